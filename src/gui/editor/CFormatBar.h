#pragma once

#include <QToolBar>

class CommandActions;
class CommandRouter;
class QComboBox;

// The editor's format bar: the face and size boxes and the bold, italic, underline,
// alignment and colour buttons. The boxes follow the selection and change only the face or
// the size of it, through the character-format exchange with the entry view.
class CFormatBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kControlId = 200;
    static constexpr int kFaceBoxId = 188;
    static constexpr int kSizeBoxId = 189;

    CFormatBar(CommandRouter& router, CommandActions& actions, QWidget* parent);

    // Brings both boxes in line with the selection, unless the user is choosing in one.
    void SyncToSelection();

    QComboBox* faceBox() const { return m_face; }
    QComboBox* sizeBox() const { return m_size; }

private:
    void FaceChosen(const QString& text);
    void SizeChosen(const QString& text);
    static void Show(QComboBox* box, const QString& text);

    CommandRouter& m_router;
    QComboBox* m_face;
    QComboBox* m_size;
};
