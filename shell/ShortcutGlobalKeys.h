#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/GlobalKeys.h"

namespace bestitem {

// Where the desktop offers no global keys (Wayland, offscreen): shortcuts of the
// main window, so the keys work at least while the program has the focus.
class ShortcutGlobalKeys : public GlobalKeys {
    Q_OBJECT
public:
    explicit ShortcutGlobalKeys(QWidget* window);
    bool isDesktopWide() const override { return false; }

protected:
    bool grab(HotKeyId id, int virtualKey) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace bestitem
