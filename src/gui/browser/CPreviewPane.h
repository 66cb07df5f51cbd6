#pragma once

#include "core/session/Panes.h"
#include "gui/browser/PaneWidget.h"

#include <QString>
#include <string>

class CQBKDoc;
class QTextEdit;

// The preview pane: a header strip with the selected entry's date, comment and topics, and
// the entry's formatted text below it, read-only. It shows only what the entry list puts in.
class CPreviewPane : public PaneWidget, public PreviewPane {
    Q_OBJECT
public:
    explicit CPreviewPane(CQBKDoc& doc, QWidget* parent = nullptr);
    ~CPreviewPane() override;

    // PreviewPane
    void Clear() override;

    // Replaces the shown text (RTF, or plain text) and repaints the view at once.
    void SetEntryText(const std::string& storedText);
    void SetEntryId(const std::string& id);
    void SetDateText(const QString& text);
    void SetCommentText(const QString& text);
    void SetTopicsText(const QString& text);

    const std::string& entryId() const { return m_entryId; }
    QString dateText() const { return m_dateText; }
    QString commentText() const { return m_commentText; }
    QString topicsText() const { return m_topicsText; }
    QTextEdit* entryView() const { return m_view; }
    // Two lines of the pane's font, so a larger font never makes them overlap.
    int headerHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QFont boldFont() const;

    CQBKDoc& m_doc;
    std::string m_entryId;
    QString m_dateText;
    QString m_commentText;
    QString m_topicsText;
    QTextEdit* m_view = nullptr;
};
