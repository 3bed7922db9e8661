#include "ui/options/Pref.h"

#include "app/Player.h"
#include "ui/options/AutoTab.h"
#include "ui/options/ManualTab.h"
#include "ui/options/OptionsTab.h"
#include "ui/options/PathsTab.h"
#include "ui/options/VisualTab.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velto {

Pref::Pref(Player& player, QWidget* parent) : QDialog(parent), player_(player) {
    setWindowTitle(QStringLiteral("Velto Options"));
    setObjectName(QStringLiteral("Pref"));

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    visual_ = new VisualTab(player);
    manual_ = new ManualTab(player.folders.program);
    options_ = new OptionsTab(player);
    auto_ = new AutoTab(player);
    paths_ = new PathsTab(player);
    SSTab1->addTab(visual_, QStringLiteral("Visual"));
    SSTab1->addTab(manual_, QStringLiteral("Manual"));
    SSTab1->addTab(options_, QStringLiteral("Options"));
    SSTab1->addTab(auto_, QStringLiteral("Auto On/Off"));
    SSTab1->addTab(paths_, QStringLiteral("Paths"));

    cmdOk = new QPushButton(QStringLiteral("Close"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &QDialog::finished, this, [this] { Form_Unload(); });
    Form_Load();
}

void Pref::Form_Load() {
    options_->Load();
    auto_->Load();
    paths_->Load();
    visual_->ShowSkinInfo();
    manual_->optView_Click(0);
    CentreOnScreen();
}

void Pref::CentreOnScreen() {
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Pref::Form_Activate() {
    auto_->CopyLiveList();
    visual_->ShowSkinInfo();
}

void Pref::Form_Unload() {
    if (std::exchange(unloaded_, true)) return;
    player_.SetOnTop(player_.settings.WinOnTop);
    player_.OptionsVisible = false;
}

bool Pref::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(event);
}

void Pref::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Shown before the window system activates it (or where it never does).
    Form_Activate();
}

} // namespace velto
