# Sourced by the setup and build scripts. The test command runs many scripts
# that each set up and build what they need; within it (scripts/test.sh
# exports TARSEL_DONE, a scratch folder), a step that has run is not run
# again: setup once, each build once. Run on their own, the scripts always
# do their steps.

# ran_before STEP: whether STEP has already run within this test command.
ran_before() {
    [ -n "${TARSEL_DONE:-}" ] && [ -e "$TARSEL_DONE/$1" ]
}

# mark_ran STEP: notes that STEP has run.
mark_ran() {
    [ -z "${TARSEL_DONE:-}" ] || touch "$TARSEL_DONE/$1"
}
