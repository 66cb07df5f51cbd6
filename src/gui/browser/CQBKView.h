#pragma once

#include "core/browser/PaneLayoutState.h"
#include "gui/browser/PaneWidget.h"

#include <QIcon>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class CaptionBar;
class CommandRouter;
class CQBKDoc;
class JournalUi;
class QSplitter;

// The main window's client area: the caption strip over the four panes of the journal (folder
// tree and topic list on the left, entry list and preview on the right). It registers the
// panes with the journal session, keeps the command route's active pane, and shows and hides
// the folder, topic and preview panes. It owns no journal data.
class CQBKView : public QWidget {
    Q_OBJECT

public:
    enum class Pane { FolderTree, TopicList, EntryList, Preview };
    // How the panes are made: one at a time as children of the given parent, then introduced
    // to each other once all four exist.
    struct PaneFactory {
        std::function<PaneWidget*(Pane, CQBKDoc&, JournalUi&, QWidget* parent)> make;
        std::function<void(CQBKView&)> wire;
    };

    CQBKView(CQBKDoc& doc, JournalUi& ui, CommandRouter& router, const PaneFactory& panes,
             QWidget* parent = nullptr);
    ~CQBKView() override;

    PaneWidget* pane(Pane which) const { return m_panes[index(which)]; }
    CaptionBar* caption() const { return m_caption; }
    const PaneLayoutState& layoutState() const { return m_state; }

    bool foldersShown() const { return m_state.foldersShown(); }
    bool topicsShown() const { return m_state.topicsShown(); }
    bool previewShown() const { return m_state.previewShown(); }

    // The View menu's toggles.
    bool TogglePreviewPane();
    void ToggleFolderPane();
    void ToggleTopicPane();
    // Caption: the selected folder's name and icon, and the topic filter while it applies.
    void UpdateCaption();
    // What the entry list shows when it is not the folder's entries (the calendar's days);
    // empty to go back to the folder.
    void SetListingCaption(const QString& text);
    // The icon of the selected folder as the folder tree draws it; our own icons otherwise.
    void setFolderIconSource(std::function<QIcon()> source) { m_folderIcon = std::move(source); }

    // Which panes are shown and where the splitters stand, for the next start; restoring
    // bytes that are not such a layout changes nothing.
    QByteArray SaveLayout() const;
    void RestoreLayout(const QByteArray& saved);

    // The pane that gets the commands; F6 and Shift+F6 move it over the visible panes.
    void ActivatePane(Pane which);
    void ActivateNextPane(bool forward);
    Pane activePane() const { return m_active; }

signals:
    // A pane was shown or hidden (the View menu's check marks follow).
    void layoutChanged();
    // Another pane now receives the commands.
    void activePaneChanged();
    // A pane's items or its selection changed (the commands' states follow).
    void contentsChanged();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr std::size_t index(Pane which) { return static_cast<std::size_t>(which); }
    void registerPanes();
    void connectPanes();
    void watchContents(PaneWidget& pane);
    void onFocusChanged(QWidget* now);
    void focusInto(QWidget* widget);
    void applyLayout(bool topicsChanged);
    void onFolderCaption(const QString& name, bool isRoot);
    void onTopicsText(const QString& text);

public:
    // What the panes' close buttons and the caption's button ask for.
    void HideFolderPane();
    void HideTopicPane();
    void ShowFolderPane();

private:
    CQBKDoc& m_doc;
    CommandRouter& m_router;
    PaneLayoutState m_state;
    CaptionBar* m_caption;
    QSplitter* m_mainSplitter;
    QSplitter* m_leftSplitter;
    QSplitter* m_rightSplitter;
    std::array<QPointer<PaneWidget>, 4> m_panes{};
    Pane m_active = Pane::FolderTree;
    // Cut first when the view goes: the panes' lists outlive it by a moment and still signal.
    std::vector<QMetaObject::Connection> m_contentWatches;
    QString m_folderName;
    bool m_folderIsRoot = true;
    QString m_topicsText;
    QString m_listingCaption;
    std::function<QIcon()> m_folderIcon;
};
