#pragma once

#include "core/session/JournalFileIdentity.h"

#include <string>

// What the session says when the journal's file is no longer where it was opened, and about
// saving it elsewhere. Texts are stored bytes, translated.
namespace JournalFileMessages {

// "The journal file was deleted while it was open." and its kin; empty for Same.
std::string WhatHappened(JournalFileIdentity::Fate fate);
// The sentence above with the offer to save the journal elsewhere (a Yes/No question).
std::string OfferSaveAs(JournalFileIdentity::Fate fate);
// The sentence above for a change that failed after the offer was declined.
std::string ChangeNotSaved(JournalFileIdentity::Fate fate);
// A file renamed (or moved on its file system) whose new name is known: go on there?
std::string OfferContinueAt(const std::string& newPath);
std::string TargetExists(const std::string& path);
std::string SaveAsFailed(const std::string& path, const std::string& reason);
// The folder picker's prompt when the entry's folder was deleted meanwhile.
std::string ChooseFolderForEntry();

} // namespace JournalFileMessages
