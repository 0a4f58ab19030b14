// The extended status record, version 2.
#include "api/vessel_status.h"

namespace host {

Body *StrongestPull(const Vessel &v) {
    Body *best = nullptr;
    double bestPull = -1.0;
    for (Body *b : World().bodies) {
        VECTOR3 d = Sub(b->pos, v.pos);
        double r2 = Dot(d, d);
        if (r2 == 0.0)
            return b;
        double pull = b->mass / r2;
        if (pull > bestPull) {
            bestPull = pull;
            best = b;
        }
    }
    return best;
}

void ReadStatus(const Vessel &v, VESSELSTATUS2 *vs) {
    DWORD flag = vs->flag;
    *vs = VESSELSTATUS2{};
    vs->version = 2;
    vs->flag = flag;
    Body *ref = StrongestPull(v);
    vs->rbody = ref ? Handle(ref) : nullptr;
    vs->rpos = ref ? Sub(v.pos, ref->pos) : v.pos;
    vs->rvel = ref ? Sub(v.vel, ref->vel) : v.vel;
    vs->arot = EulerFromRotation(v.rot);
    vs->status = v.status;
}

bool ApplyStatus(Vessel &v, const VESSELSTATUS2 &vs) {
    VECTOR3 originPos{}, originVel{};
    if (vs.rbody) {
        SimObject *ref = World().FromHandle(vs.rbody);
        if (!ref)
            return false;
        originPos = ref->pos;
        originVel = ref->vel;
    }
    // The simulator sets a landed vessel down by the surface fields; with no
    // surfaces here it stays where it is.
    v.status = vs.status == 1 ? 1 : 0;
    if (v.status == 0) {
        v.pos = Add(originPos, vs.rpos);
        v.vel = Add(originVel, vs.rvel);
    }
    v.rot = RotationFromEuler(vs.arot);
    return true;
}

} // namespace host
