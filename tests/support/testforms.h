#pragma once

#include "app/forms.h"
#include "fakemusic.h"
#include "fakeprompts.h"
#include "recordingpresenter.h"

#include <QLocale>

/// A window registry wired to fakes, with the Italian number format pinned.
/// Register the factories a test needs (or all of them) on `forms`.
struct TestForms
{
    TestForms();
    ~TestForms();
    TestForms(const TestForms&) = delete;
    TestForms& operator=(const TestForms&) = delete;

    /// Runs pending deletions of unloaded windows.
    static void flushDeletes();

    FakePrompts prompts;
    RecordingPresenter presenter;
    FakeMusic music;
    Forms forms;
};
