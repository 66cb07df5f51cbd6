#pragma once

#include <QString>

struct RescueResult;

// What a rescue saved and what it lost, in words, one line each: the command-line tool prints
// it and the window shows it.
QString RescueReport(const RescueResult& result);
// The same for the window: where the rescued journal is, or that nothing was written.
QString RescueOutcome(const RescueResult& result, const QString& target);
