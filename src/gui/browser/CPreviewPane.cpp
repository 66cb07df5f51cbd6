#include "browser/CPreviewPane.h"

#include "store/CQBKDoc.h"

#include <QTextEdit>

CPreviewPane::CPreviewPane(CQBKDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_view(new QTextEdit(this)) {
    m_view->setReadOnly(true);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
}

CPreviewPane::~CPreviewPane() = default;

void CPreviewPane::Clear() {}
void CPreviewPane::SetEntryText(const std::string&) {}
void CPreviewPane::SetEntryId(const std::string& id) {
    m_entryId = id;
}
void CPreviewPane::SetDateText(const QString& text) {
    m_dateText = text;
}
void CPreviewPane::SetCommentText(const QString& text) {
    m_commentText = text;
}
void CPreviewPane::SetTopicsText(const QString& text) {
    m_topicsText = text;
}
void CPreviewPane::paintEvent(QPaintEvent*) {}
void CPreviewPane::resizeEvent(QResizeEvent*) {}
void CPreviewPane::mouseDoubleClickEvent(QMouseEvent*) {}
