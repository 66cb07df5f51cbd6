#include "gui/browser/CPreviewPane.h"

#include "core/browser/BrowserMessages.h"
#include "core/session/CQBKDoc.h"
#include "gui/browser/PaneContextMenu.h"
#include "render/RtfDocumentAdapter.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QTextEdit>

namespace {

// Header columns: labels in bold, values in the regular font after them.
constexpr int kLabelX = 4;
constexpr int kTopicsLabelX = 260;
constexpr int kDateValueX = 41;
constexpr int kCommentValueX = 68;
constexpr int kTopicsValueX = 307;
constexpr int kTopMargin = 4;
constexpr int kBottomMargin = 3;

} // namespace

CPreviewPane::CPreviewPane(CQBKDoc& doc, QWidget* parent)
    : PaneWidget(parent), m_doc(doc), m_view(new QTextEdit(this)) {
    m_view->setObjectName(QStringLiteral("previewEntryView"));
    m_view->setAccessibleName(tr("Entry preview"));
    m_view->setReadOnly(true);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setFrameShape(QFrame::NoFrame);
    SetEntryText(BrowserMessages::NoEntryRtf());
    NotifyWhenFocused(this, [this] { emit activated(); });
}

CPreviewPane::~CPreviewPane() = default;

void CPreviewPane::Clear() {
    SetEntryText(BrowserMessages::NoEntryRtf());
    m_entryId.clear();
    m_dateText.clear();
    m_commentText.clear();
    m_topicsText.clear();
    update();
}

void CPreviewPane::SetEntryText(const std::string& storedText) {
    RtfDocumentAdapter::setEntryText(*m_view->document(), storedText);
    if (m_view->isVisible())
        m_view->viewport()->repaint();
}

void CPreviewPane::SetEntryId(const std::string& id) {
    m_entryId = id;
    update();
}

void CPreviewPane::SetDateText(const QString& text) {
    m_dateText = text;
    update();
}

void CPreviewPane::SetCommentText(const QString& text) {
    m_commentText = text;
    update();
}

void CPreviewPane::SetTopicsText(const QString& text) {
    m_topicsText = text;
    update();
}

QFont CPreviewPane::boldFont() const {
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    return bold;
}

int CPreviewPane::headerHeight() const {
    const int line = std::max(fontMetrics().lineSpacing(), QFontMetrics(boldFont()).lineSpacing());
    return kTopMargin + 2 * line + kBottomMargin;
}

void CPreviewPane::resizeEvent(QResizeEvent*) {
    m_view->setGeometry(0, headerHeight(), width(), std::max(0, height() - headerHeight()));
}

void CPreviewPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        resizeEvent(nullptr);
    PaneWidget::changeEvent(event);
}

void CPreviewPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect header(0, 0, width(), headerHeight());
    const QPalette& colours = palette();
    painter.fillRect(header, colours.button());
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(header.topLeft(), header.topRight());
    painter.drawLine(header.topLeft(), header.bottomLeft());
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    painter.drawLine(header.topRight(), header.bottomRight());

    // One line each, cut off by the pane's edge rather than wrapped. The columns suit the
    // small dialog font the header was drawn for; with a larger font a value starts after
    // its label and the topics make room for a long date rather than overlapping it.
    painter.setPen(colours.color(QPalette::ButtonText));
    constexpr int kGap = 4;
    const QFont bold = boldFont();
    const QFont regular = font();
    const int secondLine = kTopMargin + (headerHeight() - kTopMargin - kBottomMargin) / 2;
    const auto draw = [&](const QFont& face, int x, int y, const QString& text) {
        painter.setFont(face);
        painter.drawText(QPoint(x, y + QFontMetrics(face).ascent()), text);
        return x + QFontMetrics(face).horizontalAdvance(text);
    };
    const int dateLabelEnd = draw(bold, kLabelX, kTopMargin, tr("Date:"));
    const int dateEnd =
        draw(regular, std::max(kDateValueX, dateLabelEnd + kGap), kTopMargin, m_dateText);
    const int commentLabelEnd = draw(bold, kLabelX, secondLine, tr("Comment:"));
    draw(regular, std::max(kCommentValueX, commentLabelEnd + kGap), secondLine, m_commentText);
    const int topicsX = std::max(kTopicsLabelX, dateEnd + 3 * kGap);
    const int topicsLabelEnd = draw(bold, topicsX, kTopMargin, tr("Topics:"));
    draw(regular, std::max(kTopicsValueX + topicsX - kTopicsLabelX, topicsLabelEnd + kGap),
         kTopMargin, m_topicsText);
}

void CPreviewPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_entryId.empty())
        m_doc.OpenEntry(m_entryId);
    QWidget::mouseDoubleClickEvent(event);
}
