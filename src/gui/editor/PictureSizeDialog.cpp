#include "gui/editor/PictureSizeDialog.h"

#include "core/editor/PictureRules.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

QSpinBox* sideBox(int value, const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, PictureRules::kMaxSide);
    box->setValue(value);
    return box;
}

} // namespace

PictureSizeDialog::PictureSizeDialog(QSize shown, QSize original, QWidget* parent)
    : FormDialog(PictureRules::pictureSizeTitle(), parent), m_original(original),
      m_width(sideBox(shown.width(), QStringLiteral("pictureWidth"), this)),
      m_height(sideBox(shown.height(), QStringLiteral("pictureHeight"), this)),
      m_keepRatio(new QCheckBox(PictureRules::keepRatioLabel(), this)) {
    setObjectName(QStringLiteral("pictureSizeDialog"));
    m_keepRatio->setObjectName(QStringLiteral("pictureKeepRatio"));
    m_keepRatio->setChecked(true);
    form()->addRow(PictureRules::widthLabel(), m_width);
    form()->addRow(PictureRules::heightLabel(), m_height);
    form()->addRow(m_keepRatio);
    connect(m_width, &QSpinBox::valueChanged, this, [this] { SideEdited(true); });
    connect(m_height, &QSpinBox::valueChanged, this, [this] { SideEdited(false); });
    m_width->setFocus();
}

void PictureSizeDialog::SideEdited(bool width) {
    const QSize size =
        PictureRules::resized(m_original, chosenSize(), width, m_keepRatio->isChecked());
    const QSignalBlocker quietWidth(m_width);
    const QSignalBlocker quietHeight(m_height);
    m_width->setValue(size.width());
    m_height->setValue(size.height());
}

QSize PictureSizeDialog::chosenSize() const {
    return {m_width->value(), m_height->value()};
}
