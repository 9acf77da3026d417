// Most windows come as a German and an English twin that differ only in their
// template. RunTwin opens the one of the language modally over `parent`, after
// `prepare` (called with the dialog) has handed it what it needs.
#pragma once

#include "ui/dialog.h"
#include "ui/language.h"

namespace ui {

template <class German, class English, class Prepare>
int RunTwin(Language language, Dialog* parent, Prepare&& prepare) {
    if (language == Language::German) {
        German dialog(parent);
        prepare(dialog);
        return dialog.DoModal();
    }
    English dialog(parent);
    prepare(dialog);
    return dialog.DoModal();
}

template <class German, class English>
int RunTwin(Language language, Dialog* parent) {
    return RunTwin<German, English>(language, parent, [](Dialog&) {});
}

}  // namespace ui
