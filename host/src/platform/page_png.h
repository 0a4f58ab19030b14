// Pictures of recorded pages: the pixels where the platform draws them
// (Windows), else the recorded calls drawn by the host.
#ifndef HOST_PAGE_PNG_H
#define HOST_PAGE_PNG_H

#include <string>

namespace host {

struct Page; // display/page.h

// Writes the page as a PNG picture to path (in the form the host writes
// paths): its pixels, or else its calls drawn.
bool WritePagePng(const Page &page, const std::string &path, std::string *error);

} // namespace host

#endif
