#pragma once
// The window model's application as the tests, the benchmarks and the fuzzer assemble it, for
// either binding: text metrics and dialogs (the stand-ins, or a binding's own when named), a
// recording printer and a registry in memory. Members are built in the order declared.

#include <utility>

#include "tests/support/test_doubles.h"
#include "ui/application.h"

namespace torvi::testing {

template <typename Metrics = ui::FixedTextMetrics, typename Dialogs = ui::RecordingDialogs>
struct Assembly {
    explicit Assembly(ui::ApplicationInfo info = {}, Metrics textMetrics = {})
        : metrics(std::move(textMetrics)), application(std::move(info), metrics, messages) {
        application.setPrinters(&printers);
        application.setRegistry(&registry);
        application.setFiles(&files);
        application.setSettings(&settings);
    }
    Assembly(const Assembly&) = delete;
    Assembly& operator=(const Assembly&) = delete;

    Metrics metrics;
    Dialogs messages;
    ui::RecordingPrinters printers{metrics};
    ui::CountingRegistry registry;
    ui::MemoryFiles files;
    ui::MemorySettings settings;
    ui::Application application;
};

}  // namespace torvi::testing
