#pragma once

#include "core/editor/CharFormatExchange.h"

#include <QToolBar>
#include <vector>

class CommandActions;
class QComboBox;

// The editor's format bar: the face and size boxes and the bold, italic, underline,
// alignment and colour buttons. The boxes show the selection's face and size as the entry
// view reports them and announce the face or size chosen; the window connects the two.
class CFormatBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kControlId = 200;
    static constexpr int kFaceBoxId = 188;
    static constexpr int kSizeBoxId = 189;

    CFormatBar(CommandActions& actions, QWidget* parent);

    // Brings both boxes in line with the selection, unless the user is choosing in one.
    void ShowSelectionFormat(const PendingCharFormat& selection);

    QComboBox* faceBox() const { return m_face; }
    QComboBox* sizeBox() const { return m_size; }

signals:
    // A face or a size chosen in a box: a format naming only that.
    void formatChosen(const PendingCharFormat& format);

private:
    void FaceChosen(const QString& text);
    void SizeChosen(const QString& text);
    static void Show(QComboBox* box, const QString& text);
    // Our own glyphs are drawn for the palette, so they are drawn again when it changes.
    void ShowIcons();

    QComboBox* m_face;
    QComboBox* m_size;
    std::vector<QAction*> m_buttons;
};
