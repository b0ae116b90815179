#pragma once

class QApplication;

namespace bestitem {

// The font every control uses unless it sets its own: a CJK face so that the
// Chinese texts render, at the size the fixed layout was drawn for.
void applyProgramLook(QApplication& application);

}  // namespace bestitem
