#pragma once

#include <QIcon>
#include <vector>

namespace bestitem {

// Six 16 x 15 pictures for the list's header; picture 0 is unused, pictures 1 to
// 5 are small flags, one colour per column.
std::vector<QIcon> headerPictures();

}  // namespace bestitem
