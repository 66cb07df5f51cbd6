#include "gui/browser/CQBKView.h"

#include "core/platform/CommandRouter.h"
#include "core/platform/CommandTarget.h"
#include "core/session/CQBKDoc.h"
#include "core/session/Panes.h"
#include "gui/platform/CaptionBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDataStream>
#include <QIODevice>
#include <QIcon>
#include <QSplitter>
#include <QTextEdit>

#include <algorithm>

namespace {

constexpr int kLeftColumnWidth = 200;

} // namespace

CQBKView::CQBKView(CQBKDoc& doc, JournalUi& ui, CommandRouter& router, const PaneFactory& panes,
                   QWidget* parent)
    : QWidget(parent), m_doc(doc), m_router(router), m_caption(new CaptionBar(this)),
      m_mainSplitter(new QSplitter(Qt::Horizontal, this)),
      m_leftSplitter(new QSplitter(Qt::Vertical, m_mainSplitter)),
      m_rightSplitter(new QSplitter(Qt::Vertical, m_mainSplitter)) {
    setObjectName(QStringLiteral("journalView"));
    m_mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    m_leftSplitter->setObjectName(QStringLiteral("leftSplitter"));
    m_rightSplitter->setObjectName(QStringLiteral("rightSplitter"));
    for (QSplitter* splitter : {m_mainSplitter, m_leftSplitter, m_rightSplitter}) {
        splitter->setChildrenCollapsible(false);
        splitter->setHandleWidth(4);
    }
    m_mainSplitter->addWidget(m_leftSplitter);
    m_mainSplitter->addWidget(m_rightSplitter);

    m_panes[index(Pane::EntryList)] = panes.make(Pane::EntryList, doc, ui, m_rightSplitter);
    m_panes[index(Pane::Preview)] = panes.make(Pane::Preview, doc, ui, m_rightSplitter);
    m_panes[index(Pane::FolderTree)] = panes.make(Pane::FolderTree, doc, ui, m_leftSplitter);
    m_panes[index(Pane::TopicList)] = panes.make(Pane::TopicList, doc, ui, m_leftSplitter);
    m_rightSplitter->addWidget(pane(Pane::EntryList));
    m_rightSplitter->addWidget(pane(Pane::Preview));
    m_rightSplitter->setSizes({250, 50});
    m_rightSplitter->setStretchFactor(0, 5);
    m_rightSplitter->setStretchFactor(1, 1);
    m_leftSplitter->addWidget(pane(Pane::FolderTree));
    m_leftSplitter->addWidget(pane(Pane::TopicList));
    m_leftSplitter->setSizes({150, 150});
    m_mainSplitter->setSizes({kLeftColumnWidth, 600});
    m_mainSplitter->setStretchFactor(1, 1);

    registerPanes();
    connectPanes();
    if (panes.wire)
        panes.wire(*this);
    connect(m_caption, &CaptionBar::childRequested, this, &CQBKView::ShowFolderPane);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onFocusChanged(now); });

    m_caption->raise();
    applyLayout(false);
    // The folder tree, first pane of the layout, starts as the active one.
    ActivatePane(Pane::FolderTree);
}

CQBKView::~CQBKView() {
    for (const QMetaObject::Connection& watch : m_contentWatches)
        disconnect(watch);
    // The session must not call into panes that are going away.
    m_doc.DetachPanes();
    if (PaneWidget* active = pane(m_active); active && active->commandTarget())
        m_router.forget(*active->commandTarget());
}

void CQBKView::registerPanes() {
    m_doc.AttachPanes(dynamic_cast<EntryListPane*>(pane(Pane::EntryList)),
                      dynamic_cast<TopicListPane*>(pane(Pane::TopicList)),
                      dynamic_cast<FolderTreePane*>(pane(Pane::FolderTree)),
                      dynamic_cast<PreviewPane*>(pane(Pane::Preview)));
}

void CQBKView::connectPanes() {
    // The panes say when they become active; the focus watch covers a pane that does not.
    for (Pane which : {Pane::FolderTree, Pane::TopicList, Pane::EntryList, Pane::Preview})
        connect(pane(which), &PaneWidget::activated, this, [this, which] { ActivatePane(which); });
    PaneWidget* folders = pane(Pane::FolderTree);
    PaneWidget* topics = pane(Pane::TopicList);
    connect(folders, &PaneWidget::captionChanged, this, &CQBKView::onFolderCaption);
    connect(topics, &PaneWidget::topicsTextChanged, this, &CQBKView::onTopicsText);
    connect(folders, &PaneWidget::closeRequested, this, &CQBKView::HideFolderPane);
    connect(topics, &PaneWidget::closeRequested, this, &CQBKView::HideTopicPane);
    for (Pane which : {Pane::FolderTree, Pane::TopicList, Pane::EntryList, Pane::Preview})
        watchContents(*pane(which));
}

void CQBKView::watchContents(PaneWidget& pane) {
    // Opening, closing, a refresh from the file and a click all end up here: the lists are
    // reloaded or their selection moves.
    const auto watch = [this](const auto* sender, auto signal) {
        m_contentWatches.push_back(
            connect(sender, signal, this, [this] { emit contentsChanged(); }));
    };
    for (QAbstractItemView* list : pane.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = list->model();
        const QItemSelectionModel* selection = list->selectionModel();
        if (!model || !selection)
            continue;
        watch(selection, &QItemSelectionModel::selectionChanged);
        watch(selection, &QItemSelectionModel::currentChanged);
        watch(model, &QAbstractItemModel::modelReset);
        watch(model, &QAbstractItemModel::rowsInserted);
        watch(model, &QAbstractItemModel::rowsRemoved);
        watch(model, &QAbstractItemModel::dataChanged);
    }
    for (const QTextEdit* text : pane.findChildren<QTextEdit*>())
        watch(text, &QTextEdit::selectionChanged);
}

void CQBKView::onFocusChanged(QWidget* now) {
    if (now == nullptr)
        return;
    for (Pane which : {Pane::FolderTree, Pane::TopicList, Pane::EntryList, Pane::Preview}) {
        QWidget* widget = pane(which);
        if (widget && (widget == now || widget->isAncestorOf(now))) {
            if (which != m_active || m_router.link(CommandRouter::Link::ActivePane) == nullptr)
                ActivatePane(which);
            return;
        }
    }
}

void CQBKView::ActivatePane(Pane which) {
    m_active = which;
    PaneWidget* widget = pane(which);
    m_router.setActivePane(widget ? widget->commandTarget() : nullptr);
    emit activePaneChanged();
}

void CQBKView::ActivateNextPane(bool forward) {
    static constexpr std::array<Pane, 4> order{Pane::FolderTree, Pane::TopicList, Pane::EntryList,
                                               Pane::Preview};
    std::size_t at = 0;
    while (order[at] != m_active)
        ++at;
    for (std::size_t step = 1; step <= order.size(); ++step) {
        const std::size_t next =
            forward ? (at + step) % order.size() : (at + order.size() - step) % order.size();
        QWidget* widget = pane(order[next]);
        if (widget && widget->isVisibleTo(this)) {
            ActivatePane(order[next]);
            focusInto(widget);
            return;
        }
    }
}

void CQBKView::focusInto(QWidget* widget) {
    // The pane's first control that takes the keyboard, or the pane itself.
    if (!(widget->focusPolicy() & Qt::TabFocus)) {
        const auto children = widget->findChildren<QWidget*>();
        for (QWidget* child : children) {
            if ((child->focusPolicy() & Qt::TabFocus) && child->isVisibleTo(widget)) {
                child->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    }
    widget->setFocus(Qt::TabFocusReason);
}

bool CQBKView::TogglePreviewPane() {
    const bool shown = m_state.togglePreview();
    applyLayout(false);
    return shown;
}

void CQBKView::ToggleFolderPane() {
    if (m_state.foldersShown()) {
        HideFolderPane();
        return;
    }
    m_caption->setChildButtonShown(false);
    ShowFolderPane();
}

void CQBKView::ToggleTopicPane() {
    if (m_state.toggleTopics())
        applyLayout(true);
}

void CQBKView::HideFolderPane() {
    if (m_state.hideFolders())
        applyLayout(false);
}

void CQBKView::ShowFolderPane() {
    if (m_state.showFolders())
        applyLayout(false);
}

void CQBKView::HideTopicPane() {
    if (m_state.hideTopics())
        applyLayout(true);
}

void CQBKView::applyLayout(bool topicsChanged) {
    m_leftSplitter->setVisible(m_state.mainSplit().visible(0));
    pane(Pane::FolderTree)->setVisible(m_state.leftSplit().visible(0));
    pane(Pane::TopicList)->setVisible(m_state.leftSplit().visible(1));
    pane(Pane::Preview)->setVisible(m_state.rightSplit().visible(1));
    m_caption->setChildButtonShown(m_state.captionOffersFolders());
    // A hidden pane cannot keep the commands.
    QWidget* active = pane(m_active);
    if (active && !active->isVisibleTo(this))
        ActivatePane(Pane::EntryList);
    // The entry list's topic filter applies only while the topic pane is shown; the selected
    // entry stays selected where it is still listed.
    if (topicsChanged && m_doc.EntryList() && m_doc.IsJournalOpen())
        m_doc.EntryList()->ReloadKeepingSelection();
    UpdateCaption();
    emit layoutChanged();
}

namespace {
constexpr quint8 kLayoutVersion = 1;
} // namespace

QByteArray CQBKView::SaveLayout() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kLayoutVersion << m_state.foldersShown() << m_state.topicsShown()
        << m_state.previewShown();
    for (const QSplitter* splitter : {m_mainSplitter, m_leftSplitter, m_rightSplitter})
        out << splitter->sizes();
    return bytes;
}

void CQBKView::RestoreLayout(const QByteArray& saved) {
    QDataStream in(saved);
    quint8 version = 0;
    bool folders = true;
    bool topics = false;
    bool preview = true;
    std::array<QList<int>, 3> sizes;
    in >> version >> folders >> topics >> preview;
    for (QList<int>& list : sizes)
        in >> list;
    if (in.status() != QDataStream::Ok || version != kLayoutVersion)
        return;
    if (topics != m_state.topicsShown())
        ToggleTopicPane();
    if (!folders)
        HideFolderPane();
    if (preview != m_state.previewShown())
        TogglePreviewPane();
    // A splitter with a pane hidden at the time keeps its first-start sizes.
    const std::array<QSplitter*, 3> splitters{m_mainSplitter, m_leftSplitter, m_rightSplitter};
    for (std::size_t i = 0; i < splitters.size(); ++i) {
        const QList<int>& wanted = sizes[i];
        if (wanted.size() == splitters[i]->count() &&
            std::all_of(wanted.begin(), wanted.end(), [](int size) { return size > 0; }))
            splitters[i]->setSizes(wanted);
    }
}

void CQBKView::onFolderCaption(const QString& name, bool isRoot) {
    m_folderName = name;
    m_folderIsRoot = isRoot;
    UpdateCaption();
}

void CQBKView::onTopicsText(const QString& text) {
    m_topicsText = text;
    UpdateCaption();
}

void CQBKView::SetListingCaption(const QString& text) {
    m_listingCaption = text;
    UpdateCaption();
}

void CQBKView::UpdateCaption() {
    if (!m_listingCaption.isEmpty()) {
        m_caption->updateCaption(m_listingCaption, QString(), QIcon());
        return;
    }
    QString second = m_state.topicsShown() && !m_topicsText.isEmpty()
                         ? tr("Topics: %1").arg(m_topicsText)
                         : QString();
    // A journal open for reading only says so where the eye goes first.
    if (const std::string readOnly = m_doc.ReadOnlyIndicator(); !readOnly.empty())
        second = QString::fromStdString(readOnly) +
                 (second.isEmpty() ? QString() : QStringLiteral("  |  ") + second);
    QIcon icon = m_folderIcon ? m_folderIcon() : QIcon();
    if (icon.isNull() && !m_folderName.isEmpty())
        icon = QIcon(m_folderIsRoot ? QStringLiteral(":/images/tree/journal.svg")
                                    : QStringLiteral(":/images/tree/folder-open.svg"));
    m_caption->updateCaption(m_folderName, second, icon);
}

bool CQBKView::event(QEvent* event) {
    // Back from another window, perhaps another program that changed the journal.
    if (event->type() == QEvent::WindowActivate)
        m_doc.RefreshIfChangedElsewhere();
    return QWidget::event(event);
}

void CQBKView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The splitter starts on the caption's last pixel row, as the strip's bottom edge.
    m_caption->setGeometry(0, 0, width(), CaptionBar::kHeight);
    m_mainSplitter->setGeometry(0, CaptionBar::kHeight - 1, width(),
                                std::max(0, height() - CaptionBar::kHeight + 1));
    m_caption->raise();
}
