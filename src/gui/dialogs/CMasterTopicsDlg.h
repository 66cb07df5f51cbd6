#pragma once

#include "core/dialogs/MasterTopicList.h"

#include <QDialog>

class CEditListBox;
class CQBKDoc;
class JournalUi;
class QPushButton;

// Edit Master Topic List: adds, renames (in place) and deletes the journal's topics, each
// change written at once. OK has the topic pane and the entry list read the journal again;
// Esc or the close box only closes. There is no Cancel, and Enter only ends a rename.
class CMasterTopicsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListId = 1063;
    static constexpr int kAddId = 1082;
    static constexpr int kDeleteId = 1083;
    static constexpr int kRenameId = 1116;
    static constexpr int kOkId = 1117;

    CMasterTopicsDlg(CQBKDoc& doc, JournalUi& ui, QWidget* parent = nullptr);

    // Runs the dialog modally; true when it ended with OK.
    static bool Run(CQBKDoc& doc, JournalUi& ui, QWidget* parent);

    CEditListBox* list() const { return m_list; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowItems();
    void OnAdd();
    void OnDelete();
    void OnRename();
    void OnItemTextEdited(int index, const QString& oldText);
    void OnOk();

    MasterTopicList m_topics;
    CEditListBox* m_list;
};
