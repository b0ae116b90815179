#pragma once

#include <QObject>
#include <memory>

#include "shell/ProgramState.h"

class QWidget;

namespace bestitem {

// Keys bound for the whole desktop. Every request takes the next identifier,
// 33000 + a counter shared by the whole process, whether the binding works or
// not; a refused binding returns 0. A press of a bound key emits its identifier.
class GlobalKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GlobalKeys() override = default;

    // `virtualKey` is a Windows virtual-key code (0x70 = F1 ... 0x78 = F9), no modifier.
    HotKeyId bind(int virtualKey);

    // Whether keys act while other programs have the focus.
    virtual bool isDesktopWide() const = 0;

signals:
    void pressed(int id);

protected:
    // Binds the key so that its presses emit `id`; false when refused.
    virtual bool grab(HotKeyId id, int virtualKey) = 0;
};

// The X11 backend on the xcb platform, window-wide shortcuts elsewhere.
std::unique_ptr<GlobalKeys> createGlobalKeys(QWidget* window);

// The Qt key of a Windows virtual-key code for F1..F24; 0 for any other code.
int qtKeyOfVirtualKey(int virtualKey);

}  // namespace bestitem
