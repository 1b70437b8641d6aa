// Torvi in a web browser: the windows on the page's binding. The program stays alive after main
// returns; the page's events call into it. The address's query stands for the desktop's command
// line: "index.html?show-hpg" shows the HPG command, as --show-hpg does.

#include "shell/mdi_form1.h"
#include "ui/application.h"
#include "ui/system_info.h"
#include "web/dom.h"
#include "web/web_binding.h"
#include "web/web_services.h"

int main() {
    using namespace torvi;
    static web::WebTextMetrics metrics;
    static web::WebDialogs dialogs;
    static web::WebPrinters printers;
    static ui::MemoryRegistry registry;
    static web::WebProgramStarter programStarter;
    static ui::Application application({}, metrics, dialogs);
    application.setPrinters(&printers);
    application.setRegistry(&registry);
    application.setProgramStarter(&programStarter);
    static web::WebBinding binding(application);
    application.dispatch([&] {
        shell::MDIForm1& main = application.form<shell::MDIForm1>();
        main.show();
        if (web::dom::addressAsks("show-hpg")) main.mnuHPG->setVisible(true);
    });
    web::dom::markReady();
    return 0;
}
