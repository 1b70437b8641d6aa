// Torvi in a web browser: the windows on the page's binding. The program stays alive after main
// returns; the page's events call into it. The address's query stands for the desktop's command
// line: "index.html?show-hpg" shows the HPG command, as --show-hpg does.

#include <emscripten.h>

#include <cstdlib>

#include "shell/mdi_form1.h"
#include "ui/application.h"
#include "ui/system_info.h"
#include "web/dom.h"
#include "web/web_binding.h"
#include "web/web_services.h"

namespace {
torvi::ui::Application* program = nullptr;
torvi::web::WebFiles* pageFiles = nullptr;
}  // namespace

// A file dropped on the page: opened as an exercise, as File > Open Exercise opens one.
extern "C" EMSCRIPTEN_KEEPALIVE void torvi_dropped(char* name, char* bytes, int size) {
    const std::string dropped(name);
    std::string contents(bytes, static_cast<std::size_t>(size));
    std::free(name);
    std::free(bytes);
    if (program == nullptr || program->ended() || program->dialogOpen()) return;
    pageFiles->remember(dropped, std::move(contents));
    program->dispatch([&] {
        if (auto* main = program->find<torvi::shell::MDIForm1>()) main->openExercise(dropped);
    });
}

int main() {
    using namespace torvi;
    static web::WebTextMetrics metrics;
    static web::WebFiles files;
    static web::WebDialogs dialogs(files);
    static web::WebPrinters printers;
    static ui::MemoryRegistry registry;
    static web::WebProgramStarter programStarter;
    static web::WebSettings settings;
    static ui::Application application({}, metrics, dialogs);
    application.setPrinters(&printers);
    application.setRegistry(&registry);
    application.setProgramStarter(&programStarter);
    application.setFiles(&files);
    application.setSettings(&settings);
    pageFiles = &files;
    program = &application;
    static web::WebBinding binding(application);
    static web::WebPictures pictures(binding);
    application.setPictures(&pictures);
    application.dispatch([&] {
        shell::MDIForm1& main = application.form<shell::MDIForm1>();
        main.show();
        if (web::dom::addressAsks("show-hpg")) main.mnuHPG->setVisible(true);
    });
    web::dom::markReady();
    return 0;
}
