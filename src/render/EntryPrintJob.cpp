#include "render/EntryPrintJob.h"

#include "core/print/PageBreaks.h"
#include "render/RtfDocumentAdapter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>
#include <QTextBlock>
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

void EntryPrintJob::layOut(QTextDocument& document) const {
    document.setDocumentMargin(0);
    document.setTextWidth(m_layout.laterBody.width());
}

void EntryPrintJob::drawHeader(const QString& title) {
    m_painter.save();
    m_painter.setFont(m_headerFont);
    m_painter.setPen(Qt::black);
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int width = metrics.horizontalAdvance(title);
    m_painter.drawText(QPoint(m_layout.headerLeft, m_layout.headerTop + metrics.ascent()), title);
    // Flat ends, so the line is exactly as wide as the text.
    m_painter.setPen(QPen(Qt::black, EntryPageLayout::UnderlinePen(m_device.logicalDpiY()),
                          Qt::SolidLine, Qt::FlatCap));
    if (width > 0)
        m_painter.drawLine(m_layout.headerLeft, m_layout.underlineY, m_layout.headerLeft + width,
                           m_layout.underlineY);
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

bool EntryPrintJob::printEntry(std::string_view storedText, const QString& title) {
    QTextDocument document;
    // Fonts and pictures are measured on the device, not on the screen.
    document.documentLayout()->setPaintDevice(&m_device);
    // Margin and width before the text: changing either lays the whole text out again.
    layOut(document);
    RtfDocumentAdapter::setEntryText(document, storedText);

    const int height =
        static_cast<int>(std::ceil(document.documentLayout()->documentSize().height()));
    std::vector<int> starts = PageStarts(lineSpans(document), height, m_layout.firstBody.height(),
                                         m_layout.laterBody.height());
    if (starts.size() > static_cast<std::size_t>(kMaxPagesPerEntry))
        starts.resize(kMaxPagesPerEntry);

    for (std::size_t page = 0; page < starts.size(); ++page) {
        if (!wanted(++m_jobPage))
            continue;
        if (!startPage())
            return false;
        if (page == 0 && m_options.dateTimeHeader)
            drawHeader(title);
        const QRect& body = page == 0 ? m_layout.firstBody : m_layout.laterBody;
        const int top = starts[page];
        const int bottom = page + 1 < starts.size() ? starts[page + 1] : height;
        drawSlice(document, body, top, bottom);
        ++m_pagesPrinted;
    }
    return !m_failed;
}

bool EntryPrintJob::finish() {
    if (m_begun && m_painter.isActive())
        m_failed = !m_painter.end() || m_failed;
    return !m_failed;
}
