#include "ui/options/PathsTab.h"

#include "app/Player.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velto {

namespace {

QPushButton* BrowseButton(const QString& name) {
    auto* button = new QPushButton(QStringLiteral("Browse..."));
    button->setObjectName(name);
    return button;
}

} // namespace

PathsTab::PathsTab(Player& player, QWidget* parent) : QWidget(parent), player_(player) {
    // Only the picker sets the selector's folder: typing here would change nothing.
    VisPLD = new QLineEdit;
    VisPLD->setObjectName(QStringLiteral("VisPLD"));
    VisPLD->setReadOnly(true);
    SkinPath = bind_.Text(QStringLiteral("SkinPath"), player.settings.SkinPath);
    QPushButton* cSetVPD = BrowseButton(QStringLiteral("cSetVPD"));
    QPushButton* cSetSkinDir = BrowseButton(QStringLiteral("cSetSkinDir"));

    auto* frame = new QGroupBox(QStringLiteral("Paths"));
    auto* grid = new QGridLayout(frame);
    auto* vpdLabel = new QLabel(QStringLiteral("Vis PL Selector:"));
    vpdLabel->setBuddy(VisPLD);
    auto* skinLabel = new QLabel(QStringLiteral("Velto Skins:"));
    skinLabel->setBuddy(SkinPath);
    grid->addWidget(vpdLabel, 0, 0);
    grid->addWidget(VisPLD, 0, 1);
    grid->addWidget(cSetVPD, 0, 2);
    grid->addWidget(skinLabel, 1, 0);
    grid->addWidget(SkinPath, 1, 1);
    grid->addWidget(cSetSkinDir, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch();

    connect(cSetVPD, &QPushButton::clicked, this, [this] { cSetVPD_Click(); });
    connect(cSetSkinDir, &QPushButton::clicked, this, [this] { cSetSkinDir_Click(); });
}

void PathsTab::Load() {
    bind_.Load();
    SetTextQuietly(VisPLD, player_.settings.VisPLPath);
}

void PathsTab::cSetVPD_Click() {
    const auto chosen = player_.dialogs.BrowseFolder(
        QStringLiteral("Select Initial VisPL Directory:"), player_.settings.VisPLPath);
    if (!chosen || chosen->isEmpty()) return;
    player_.settings.VisPLPath = AddSlash(*chosen);
    SetTextQuietly(VisPLD, player_.settings.VisPLPath);
}

// The chosen folder goes into the box, and so into the setting.
void PathsTab::cSetSkinDir_Click() {
    const QString start =
        player_.settings.SkinPath.isEmpty() ? player_.folders.program : player_.settings.SkinPath;
    const auto chosen =
        player_.dialogs.BrowseFolder(QStringLiteral("Select Skin Directory:"), start);
    if (!chosen || chosen->isEmpty()) return;
    SkinPath->setText(AddSlash(*chosen));
}

} // namespace velto
