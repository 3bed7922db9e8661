#include "ui/options/VisualTab.h"

#include "app/Player.h"
#include "ui/AppIcon.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velto {

namespace {
constexpr int kIconPixels = 64;
}

VisualTab::VisualTab(Player& player, QWidget* parent) : QWidget(parent), player_(player) {
    auto* skinFrame = new QGroupBox(QStringLiteral("Skin"));
    cSelSkin = new QPushButton(QStringLiteral("Select Skin..."));
    cSelSkin->setObjectName(QStringLiteral("cSelSkin"));
    SkinInf = new QLabel;
    SkinInf->setObjectName(QStringLiteral("SkinInf"));
    SkinInf->setWordWrap(true);
    SkinInf->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SkinInf->setTextFormat(Qt::PlainText);
    auto* skinRow = new QHBoxLayout;
    skinRow->addWidget(cSelSkin);
    skinRow->addStretch();
    auto* skinLayout = new QVBoxLayout(skinFrame);
    skinLayout->addLayout(skinRow);
    skinLayout->addWidget(SkinInf, 1);

    auto* aboutFrame = new QGroupBox(QStringLiteral("Velto"));
    auto* picture = new QLabel;
    picture->setPixmap(AppIcon().pixmap(kIconPixels, kIconPixels));
    picture->setFixedSize(kIconPixels, kIconPixels);
    auto* version = new QLabel(QStringLiteral("Velto Player Version 1.00"));
    auto* aboutLayout = new QHBoxLayout(aboutFrame);
    aboutLayout->addWidget(picture);
    aboutLayout->addSpacing(picture->fontMetrics().averageCharWidth() * 2);
    aboutLayout->addWidget(version);
    aboutLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(skinFrame, 1);
    layout->addWidget(aboutFrame);

    connect(cSelSkin, &QPushButton::clicked, this, [this] { cSelSkin_Click(); });
}

void VisualTab::ShowSkinInfo() {
    // "/" lines of the skin join the info text with CR.
    QString text = player_.skin.SkinInfo;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    SkinInf->setText(text);
}

void VisualTab::cSelSkin_Click() {
    player_.SelectSkin();
    ShowSkinInfo();
}

} // namespace velto
