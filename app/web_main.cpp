// Torvi in a web browser: the windows on the page's binding. The program stays alive after main
// returns; the page's events call into it.

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
    application.dispatch([&] { application.form<shell::MDIForm1>().show(); });
    web::dom::markReady();
    return 0;
}
