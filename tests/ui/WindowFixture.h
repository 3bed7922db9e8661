#pragma once
// A player on fake media in the real skinned window (offscreen); mouse and key events for it.
#include "fakes/PlayerFixture.h"
#include "ui/frmDromel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velto::test {

class WindowFixture : public PlayerFixture {
protected:
    WindowFixture() { MakePlayer(&form), form.AttachPlayer(player.get()); }
    ~WindowFixture() override { form.hide(); }

    // Loads the shipped default skin; the timers stay off: nothing ticks unless a test says so.
    void LoadDefaultSkin() {
        CopyShippedSkins(programDir);
        player->LoadSkin(programDir.file("default.skin"), false);
        StopTimers();
        ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    }
    void StopTimers() { player->Timer1.stop(), player->Timer2.stop(); }
    void Show() { form.show(), StopTimers(); }

    static void Mouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button,
                      Qt::MouseButtons held, QPoint global) {
        QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // A mouse event on the window at a window point.
    void Mouse(QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons held) {
        Mouse(&form, type, local, button, held, form.pos() + local);
    }
    void Click(QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonPress, local, button, button);
        Mouse(QEvent::MouseButtonRelease, local, button, Qt::NoButton);
    }
    // A typed key: the text a keyboard gives with it.
    static void Key(QWidget* target, int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }

    frmDromel form;
};

} // namespace velto::test
