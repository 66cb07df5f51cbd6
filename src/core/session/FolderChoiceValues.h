#pragma once

#include <string>
#include <vector>

// The folder picker: the journal's folders as the file lists them and the prompt to show;
// m_folderId is the folder chosen ("{Root}" for the top).
struct FolderChoiceValues {
    struct Folder {
        std::string id;
        std::string parentId;
        std::string name; // stored bytes
    };
    std::string m_prompt;
    std::vector<Folder> m_folders;
    std::string m_folderId = "{Root}";
};
