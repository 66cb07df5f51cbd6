#pragma once

#include "gui/dialogs/FormDialog.h"

#include <QSize>

class QCheckBox;
class QSpinBox;

// Picture Size: the picture's width and height on screen, in pixels; with Keep proportions
// on, changing one side changes the other.
class PictureSizeDialog : public FormDialog {
    Q_OBJECT

public:
    // original: the picture's own pixels, whose proportions are kept.
    PictureSizeDialog(QSize shown, QSize original, QWidget* parent);

    QSize chosenSize() const;

private:
    void SideEdited(bool width);

    QSize m_original;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QCheckBox* m_keepRatio;
};
