#include "gui/app/CWelcomeDlg.h"

#include "gui/platform/ControlId.h"
#include "gui/platform/ProfileSettings.h"
#include "gui/platform/TranslatedSvg.h"

#include <QCheckBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <tuple>

namespace {

// The layout is given in dialog units; these factors make the dialog exactly the size of the
// welcome picture (566 x 329 pixels for 372 x 203 units).
QRect toPixels(QRect units) {
    auto x = [](int v) { return v * 566 / 372; };
    auto y = [](int v) { return v * 329 / 203; };
    return QRect(x(units.x()), y(units.y()), x(units.width()), y(units.height()));
}

constexpr int kResultOf[][2] = {
    {CWelcomeDlg::kNewJournalId, static_cast<int>(WelcomeChoice::NewJournal)},
    {CWelcomeDlg::kOpenJournalId, static_cast<int>(WelcomeChoice::OpenJournal)},
    {CWelcomeDlg::kOpenLastId, static_cast<int>(WelcomeChoice::OpenLast)},
};

// A push button drawn as a framed label over the picture, which the dialog paints under it.
class WelcomeButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink(31, 53, 80);
        const QColor gold(200, 145, 58);
        QColor fill(255, 255, 255, underMouse() && isEnabled() ? 150 : 70);
        if (isDown())
            fill = QColor(200, 145, 58, 70);
        painter.setBrush(fill);
        painter.setPen(QPen(hasFocus() || underMouse() ? gold : QColor(31, 53, 80, 110),
                            isDefault() || hasFocus() ? 2 : 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
        QFont font = this->font();
        font.setBold(true);
        // A label that would touch the frame in bold is drawn in the regular weight.
        if (QFontMetrics(font).horizontalAdvance(text()) > width() - 16)
            font.setBold(false);
        painter.setFont(font);
        painter.setPen(isEnabled() ? ink : QColor(31, 53, 80, 100));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
};

// The "Show this dialog at start-up" text is part of the picture; this box lies over it so
// that the keyboard and a screen reader reach the setting. It draws only its focus frame.
class PictureCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(QColor(200, 145, 58), 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

} // namespace

CWelcomeDlg::CWelcomeDlg(const std::string& lastJournal, QWidget* parent)
    : CBackgroundDlg(parent), m_ticked(new QLabel(this)), m_empty(new QLabel(this)),
      m_openLast(new QCheckBox(tr("Open the last journal instead"), this)) {
    setObjectName(QStringLiteral("welcomeDialog"));
    setControlId(this, 155);
    setWindowTitle(QString());
    // What the picture says, for those who cannot see it.
    setAccessibleName(tr("Welcome to Quillbook"));
    setAccessibleDescription(
        tr("What would you like to do? Start a journal, or pick up where you left off."));
    setFixedSize(566, 329);
    SetSvgBackground(
        translatedSvg(
            QStringLiteral(":/images/welcome.svg"), "CWelcomeDlg",
            {QT_TRANSLATE_NOOP("CWelcomeDlg", "Welcome to"),
             QT_TRANSLATE_NOOP("CWelcomeDlg", "What would you like to do?"),
             QT_TRANSLATE_NOOP("CWelcomeDlg", "Show this dialog at start-up"),
             QT_TRANSLATE_NOOP("CWelcomeDlg", "Start a journal, or pick up where you left off.")}),
        Tile);
    QPushButton* create = addButton(tr("Create a New Journal"), kNewJournalId, {187, 54, 172, 30});
    addButton(tr("Open an Existing Journal"), kOpenJournalId, {187, 95, 172, 30});
    QPushButton* last =
        addButton(tr("Open The Last Journal You Worked On"), kOpenLastId, {187, 132, 172, 30});
    QPushButton* close = addButton(tr("&Close"), kCloseId, {313, 180, 50, 15});
    create->setDefault(true);
    last->setEnabled(!lastJournal.empty());
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    const QRect box = toPixels({14, 176, 9, 9});
    for (auto [label, id, image] :
         {std::tuple{m_ticked, kTickedId, QStringLiteral(":/images/check-ticked.svg")},
          std::tuple{m_empty, kEmptyId, QStringLiteral(":/images/check-empty.svg")}}) {
        setControlId(label, id);
        label->setObjectName(id == kTickedId ? QStringLiteral("welcomeTicked")
                                             : QStringLiteral("welcomeEmpty"));
        label->setPixmap(QIcon(image).pixmap(14, 14));
        label->setGeometry(box.x(), box.y(), 14, 14);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }

    m_showCheck = new PictureCheckBox(tr("Show this dialog at start-up"), this);
    m_showCheck->setObjectName(QStringLiteral("welcomeShowAtStartUp"));
    m_showCheck->setGeometry(14, 278, 226, 28); // the picture's frame around the text
    m_showCheck->stackUnder(m_ticked);
    connect(m_showCheck, &QCheckBox::clicked, this, &CWelcomeDlg::ToggleShowAtStartUp);
    m_showAtStartUp = ProfileSettings::showWelcomeDialog();
    ShowCheckImage();

    m_openLast->setObjectName(QStringLiteral("welcomeOpenLast"));
    m_openLast->setStyleSheet(QStringLiteral("QCheckBox { color: #f6efe0; }"));
    // Wider for a language that needs it, never cut off.
    m_openLast->setGeometry(box.x() + 4, box.y() + 22,
                            std::max(230, m_openLast->sizeHint().width()), 20);
    m_openLast->setChecked(ProfileSettings::openLastJournal());
    // Written at once, as the other setting is.
    connect(m_openLast, &QCheckBox::toggled, this, &ProfileSettings::setOpenLastJournal);
    // Tab goes down the dialog as it reads: the buttons, then the two settings.
    setTabOrder(close, m_showCheck);
    setTabOrder(m_showCheck, m_openLast);
}

QPushButton* CWelcomeDlg::addButton(const QString& text, int id, QRect units) {
    auto* button = new WelcomeButton(text, this);
    button->setAttribute(Qt::WA_Hover);
    setControlId(button, id);
    button->setGeometry(toPixels(units));
    button->setAutoDefault(false);
    for (const auto& [buttonId, result] : kResultOf) {
        if (buttonId == id)
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    }
    return button;
}

WelcomeChoice CWelcomeDlg::Run() {
    switch (exec()) {
    case static_cast<int>(WelcomeChoice::NewJournal):
        return WelcomeChoice::NewJournal;
    case static_cast<int>(WelcomeChoice::OpenJournal):
        return WelcomeChoice::OpenJournal;
    case static_cast<int>(WelcomeChoice::OpenLast):
        return WelcomeChoice::OpenLast;
    default:
        return WelcomeChoice::Close;
    }
}

void CWelcomeDlg::ShowCheckImage() {
    m_ticked->setVisible(m_showAtStartUp != 0);
    m_empty->setVisible(m_showAtStartUp == 0);
    m_showCheck->setChecked(m_showAtStartUp != 0);
    update(m_ticked->geometry());
}

void CWelcomeDlg::ToggleShowAtStartUp() {
    m_showAtStartUp = m_showAtStartUp != 0 ? 0 : 1;
    // Written at once: it holds even when the dialog is then closed with Close.
    ProfileSettings::setShowWelcomeDialog(m_showAtStartUp);
    ShowCheckImage();
}

bool CWelcomeDlg::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_ticked || watched == m_empty) && event->type() == QEvent::MouseButtonPress) {
        ToggleShowAtStartUp();
        return true;
    }
    return CBackgroundDlg::eventFilter(watched, event);
}
