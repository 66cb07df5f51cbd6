#include "core/browser/PaneLayoutState.h"

void PaneLayoutState::Split::hide(int cell) {
    // A second hidden cell would leave the splitter empty; the first one comes back instead.
    m_hidden = cell;
}

PaneLayoutState::PaneLayoutState() {
    m_left.hide(1);
}

bool PaneLayoutState::hideFolders() {
    if (!m_folders)
        return false;
    m_captionOffersFolders = true;
    if (m_topics)
        m_left.hide(0);
    else
        m_main.hide(0);
    m_folders = false;
    return true;
}

bool PaneLayoutState::showFolders() {
    if (m_folders)
        return false;
    m_captionOffersFolders = false;
    if (m_topics) {
        m_left.show();
    } else {
        m_main.show();
        m_left.show();
        m_left.hide(1);
    }
    m_folders = true;
    return true;
}

bool PaneLayoutState::showTopics() {
    if (m_topics)
        return false;
    if (m_folders) {
        m_left.show();
    } else {
        m_main.show();
        m_left.show();
        m_left.hide(0);
    }
    m_topics = true;
    return true;
}

bool PaneLayoutState::hideTopics() {
    if (!m_topics)
        return false;
    if (m_folders)
        m_left.hide(1);
    else
        m_main.hide(0);
    m_topics = false;
    return true;
}

bool PaneLayoutState::togglePreview() {
    if (m_preview)
        m_right.hide(1);
    else
        m_right.show();
    m_preview = !m_preview;
    return m_preview;
}
