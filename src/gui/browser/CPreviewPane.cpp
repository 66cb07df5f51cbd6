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

// Header positions: labels in bold, values in the regular font after them.
struct HeaderText {
    int x;
    int y;
};
constexpr HeaderText kDateLabel{4, 4};
constexpr HeaderText kCommentLabel{4, 18};
constexpr HeaderText kTopicsLabel{260, 4};
constexpr HeaderText kDateValue{41, 4};
constexpr HeaderText kCommentValue{68, 18};
constexpr HeaderText kTopicsValue{307, 4};

const QString kDateCaption = QStringLiteral("Date:");
const QString kCommentCaption = QStringLiteral("Comment:");
const QString kTopicsCaption = QStringLiteral("Topics:");

} // namespace

CPreviewPane::CPreviewPane(CQBKDoc& doc, QWidget* parent)
    : PaneWidget(parent), m_doc(doc), m_boldFont(QApplication::font()),
      m_regularFont(QApplication::font()), m_view(new QTextEdit(this)) {
    m_boldFont.setWeight(QFont::Bold);
    m_regularFont.setWeight(QFont::Normal);
    m_view->setObjectName(QStringLiteral("previewEntryView"));
    m_view->setAccessibleName(tr("Entry preview"));
    m_view->setReadOnly(true);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setFrameShape(QFrame::NoFrame);
    SetEntryText(BrowserMessages::kNoEntryRtf);
    NotifyWhenFocused(this, [this] { emit activated(); });
}

CPreviewPane::~CPreviewPane() = default;

void CPreviewPane::Clear() {
    SetEntryText(BrowserMessages::kNoEntryRtf);
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

void CPreviewPane::resizeEvent(QResizeEvent*) {
    m_view->setGeometry(0, kHeaderHeight, width(), std::max(0, height() - kHeaderHeight));
}

void CPreviewPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect header(0, 0, width(), kHeaderHeight);
    const QPalette& colours = palette();
    painter.fillRect(header, colours.button());
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(header.topLeft(), header.topRight());
    painter.drawLine(header.topLeft(), header.bottomLeft());
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    painter.drawLine(header.topRight(), header.bottomRight());

    // One line each, cut off by the pane's edge rather than wrapped. The positions suit the
    // small dialog font the header was drawn for; with a larger font a value starts after
    // its label and the topics make room for a long date rather than overlapping it.
    painter.setPen(colours.color(QPalette::ButtonText));
    constexpr int kGap = 4;
    const auto draw = [&](const QFont& font, int x, int y, const QString& text) {
        painter.setFont(font);
        painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()), text);
        return x + QFontMetrics(font).horizontalAdvance(text);
    };
    const int dateLabelEnd = draw(m_boldFont, kDateLabel.x, kDateLabel.y, kDateCaption);
    const int dateEnd =
        draw(m_regularFont, std::max(kDateValue.x, dateLabelEnd + kGap), kDateValue.y, m_dateText);
    const int commentLabelEnd = draw(m_boldFont, kCommentLabel.x, kCommentLabel.y, kCommentCaption);
    draw(m_regularFont, std::max(kCommentValue.x, commentLabelEnd + kGap), kCommentValue.y,
         m_commentText);
    const int topicsX = std::max(kTopicsLabel.x, dateEnd + 3 * kGap);
    const int topicsLabelEnd = draw(m_boldFont, topicsX, kTopicsLabel.y, kTopicsCaption);
    draw(m_regularFont, std::max(kTopicsValue.x + topicsX - kTopicsLabel.x, topicsLabelEnd + kGap),
         kTopicsValue.y, m_topicsText);
}

void CPreviewPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_entryId.empty())
        m_doc.OpenEntry(m_entryId);
    QWidget::mouseDoubleClickEvent(event);
}
