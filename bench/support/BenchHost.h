#pragma once

#include "core/session/NoWindowHost.h"
#include "core/session/Panes.h"

#include <string>

// The application around a benchmarked journal session: no windows, no editor, no recent
// list worth keeping. The topic pane only remembers the topic it was asked to show, so the
// generator can name the topics it creates.
class BenchHost : public NoWindowHost, public TopicListPane {
public:
    void LoadTopics() override {}
    void AddTopicItemAndEdit(const std::string& topicId, const std::string&) override {
        lastTopicId = topicId;
    }

    std::string lastTopicId;
};
