#pragma once
// Scripted scenarios for the live forms, the main menu and their dialogs: one step a line, the
// steps are listed in form_script.cpp. Messages, browses, beeps and dialogs are recorded in order
// and every one of them must be expected by the script.

#include <QString>

namespace ondrell::testing {

// Runs the scenario in `path`; returns an empty text when every step held, else
// "<file>:<line>: <step>: <what differed>" for the first step that did not.
QString RunFormScript(const QString &path);

} // namespace ondrell::testing
