#include "render/EntryPrintJob.h"

#include "core/print/PageBreaks.h"
#include "core/print/PrintMessages.h"
#include "render/RtfDocumentAdapter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Every line of the laid-out document, table cells included, in document coordinates.
std::vector<LineSpan> lineSpans(const QTextDocument& document) {
    std::vector<LineSpan> spans;
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        if (!lines)
            continue;
        const qreal top = layout->blockBoundingRect(block).top();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            spans.push_back({static_cast<int>(std::floor(top + line.y())),
                             static_cast<int>(std::ceil(top + line.y() + line.height()))});
        }
    }
    return spans;
}

// Qt's PDF engine (behind QPdfWriter, and QPrinter on Linux) compresses every page through
// buffers of 10 MB that it allocates and frees again. With glibc's default thresholds each of
// them is mapped fresh from the kernel and handed back, which took a third of the CPU time of
// printing a journal. Buffers up to 32 MB are kept in the heap instead, and the heap keeps up
// to 64 MB free at its end, so the pages reuse the same memory; it stays flat as a job grows.
void keepPageBuffersInTheHeap() {
#ifdef __GLIBC__
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    });
#endif
}

} // namespace

EntryPrintJob::EntryPrintJob(QPagedPaintDevice& device, const Options& options)
    : m_device(device), m_options(options), m_headerFont(QStringLiteral("Times New Roman")) {
    keepPageBuffersInTheHeap();
    const int dpiY = device.logicalDpiY();
    m_headerFont.setPixelSize(std::max(1, EntryPageLayout::HeaderPixelSize(dpiY)));
    m_headerFont.setWeight(QFont::Normal);
    m_headerFont.setItalic(false);
    const QFontMetrics metrics(m_headerFont, &device);
    const int lineHeight = metrics.height() + std::max(0, metrics.leading());
    m_layout = EntryPageLayout::Compute(options.margins, device.logicalDpiX(), dpiY,
                                        QSize(device.width(), device.height()), lineHeight,
                                        options.dateTimeHeader);
    // Every piece of an entry has its header; a numbered page keeps two lines for its footer.
    const QRect& body = m_layout.laterBody;
    m_footerHeight = options.pageNumbers ? std::min(2 * lineHeight, body.height() / 2) : 0;
    m_sizes.bodyHeight = body.height() - m_footerHeight;
    m_sizes.headerHeight = m_layout.firstBody.top() - body.top();
    m_sizes.gap = lineHeight;
    m_flow = PageFlow(m_sizes, options.continuous);
    m_countFlow = m_flow;
}

EntryPrintJob::~EntryPrintJob() {
    finish();
}

bool EntryPrintJob::wanted(int jobPage) const {
    if (m_options.fromPage <= 0 && m_options.toPage <= 0)
        return true;
    return jobPage >= m_options.fromPage && (m_options.toPage <= 0 || jobPage <= m_options.toPage);
}

bool EntryPrintJob::startPage() {
    if (m_failed)
        return false;
    if (!m_begun) {
        m_begun = m_painter.begin(&m_device);
        m_failed = !m_begun;
    } else {
        m_failed = !m_device.newPage();
    }
    return !m_failed;
}

void EntryPrintJob::layOut(QTextDocument& document, std::string_view storedText,
                           const QString& comment) const {
    // Fonts and pictures are measured on the device, not on the screen.
    document.documentLayout()->setPaintDevice(&m_device);
    // Margin and width before the text: changing either lays the whole text out again.
    document.setDocumentMargin(0);
    document.setTextWidth(m_layout.laterBody.width());
    RtfDocumentAdapter::setEntryText(document, storedText);
    if (!m_options.comments || comment.isEmpty())
        return;
    // A paragraph of its own before the text, so a long comment wraps and breaks as text does.
    QTextCursor cursor(&document);
    const QTextBlockFormat textFormat = cursor.blockFormat();
    QTextCharFormat italic = cursor.charFormat();
    italic.setFontItalic(true);
    cursor.insertBlock(textFormat);
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.insertText(PrintMessages::CommentLine(comment), italic);
}

void EntryPrintJob::drawHeader(const QString& title, int y) {
    m_painter.save();
    m_painter.setFont(m_headerFont);
    m_painter.setPen(Qt::black);
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int width = metrics.horizontalAdvance(title);
    m_painter.drawText(QPoint(m_layout.headerLeft, m_layout.headerTop + y + metrics.ascent()),
                       title);
    // Flat ends, so the line is exactly as wide as the text.
    m_painter.setPen(QPen(Qt::black, EntryPageLayout::UnderlinePen(m_device.logicalDpiY()),
                          Qt::SolidLine, Qt::FlatCap));
    if (width > 0)
        m_painter.drawLine(m_layout.headerLeft, m_layout.underlineY + y,
                           m_layout.headerLeft + width, m_layout.underlineY + y);
    m_painter.restore();
}

void EntryPrintJob::drawFooter(int page) {
    m_painter.save();
    m_painter.setFont(m_headerFont);
    m_painter.setPen(Qt::black);
    const QRect& body = m_layout.laterBody;
    const QRect footer(body.left(), body.bottom() + 1 - m_footerHeight / 2, body.width(),
                       m_footerHeight / 2);
    const QString number = PrintMessages::PageNumber(page, m_pageCount);
    const int numberWidth = m_painter.fontMetrics().horizontalAdvance(number);
    // The title takes what the number leaves, shortened rather than run into it.
    const QString title = m_painter.fontMetrics().elidedText(
        m_options.journalTitle, Qt::ElideRight, std::max(0, body.width() - numberWidth * 3 / 2));
    m_painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, title);
    m_painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, number);
    m_painter.restore();
}

void EntryPrintJob::drawSlice(QTextDocument& document, const QRect& body, int top, int bottom) {
    m_painter.save();
    m_painter.translate(body.left(), body.top() - top);
    const QRectF slice(0, top, body.width(), bottom - top);
    m_painter.setClipRect(slice);
    // The layout also draws lines that only touch the slice's edges; those belong to the
    // pages before and after, and would land there as invisible (clipped) text.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = slice.adjusted(0, 0.5, 0, -0.5);
    document.documentLayout()->draw(&m_painter, context);
    m_painter.restore();
}

void EntryPrintJob::countEntry(std::string_view storedText, const QString& comment) {
    QTextDocument document;
    layOut(document, storedText, comment);
    const int height =
        static_cast<int>(std::ceil(document.documentLayout()->documentSize().height()));
    m_countFlow.place(lineSpans(document), height, kMaxPagesPerEntry);
    m_pageCount = m_countFlow.pageCount();
}

bool EntryPrintJob::printEntry(std::string_view storedText, const QString& title,
                               const QString& comment) {
    QTextDocument document;
    layOut(document, storedText, comment);
    const int height =
        static_cast<int>(std::ceil(document.documentLayout()->documentSize().height()));
    const QRect& body = m_layout.laterBody;
    for (const PageSlice& slice : m_flow.place(lineSpans(document), height, kMaxPagesPerEntry)) {
        if (!wanted(slice.page + 1))
            continue;
        if (slice.page != m_devicePage) {
            if (!startPage())
                return false;
            m_devicePage = slice.page;
            ++m_pagesPrinted;
            if (m_options.pageNumbers)
                drawFooter(slice.page + 1);
        }
        if (m_options.dateTimeHeader)
            drawHeader(slice.continued ? PrintMessages::ContinuedHeader(title) : title, slice.y);
        const QRect text(body.left(), body.top() + slice.y + m_sizes.headerHeight, body.width(),
                         slice.bottom - slice.top);
        drawSlice(document, text, slice.top, slice.bottom);
    }
    return !m_failed;
}

bool EntryPrintJob::finish() {
    if (m_begun && m_painter.isActive())
        m_failed = !m_painter.end() || m_failed;
    return !m_failed;
}
