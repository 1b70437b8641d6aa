// The page's message box and timers. The box is modal the desktop's way: the program's handler
// that opens it waits (the WebAssembly is suspended, Asyncify) until a button answers it, while
// the page goes on; a shade over the whole page takes every press and the box's own keys answer
// it. Timers are one-shot browser timeouts the program sets again at each tick; a tick that
// comes while a box is open is held and comes when the box has closed.

#include <emscripten.h>

#include "web/dom.h"

// clang-format off
EM_ASYNC_JS(int, torviMessageBox, (const char* title, const char* text, int question), {
    var caption = UTF8ToString(title);
    var message = UTF8ToString(text);
    return await new Promise(function(resolve) {
        var shade = document.createElement("div");
        shade.className = "modal-shade";
        var frame = document.createElement("div");
        frame.className = "message-box active";
        frame.setAttribute("role", "alertdialog");
        frame.setAttribute("aria-modal", "true");
        frame.setAttribute("aria-labelledby", "torvi-box-title");
        frame.setAttribute("aria-describedby", "torvi-box-text");
        var bar = document.createElement("div");
        bar.className = "title-bar";
        bar.id = "torvi-box-title";
        bar.textContent = caption;
        var body = document.createElement("div");
        body.className = "message";
        body.id = "torvi-box-text";
        body.textContent = message;
        var row = document.createElement("div");
        row.className = "answers";
        var state = {"frame": frame, "buttons": []};
        function close(answer) {
            if (window["torviBox"] !== state) return;
            window["torviBox"] = null;
            shade.parentNode.removeChild(shade);
            resolve(answer);
            // Held ticks come once the program has gone on past the box.
            if (window["torviReleaseTicks"]) setTimeout(window["torviReleaseTicks"], 0);
        }
        (question ? [["Yes", 1], ["No", 0]] : [["OK", 1]]).forEach(function(answer) {
            var button = document.createElement("button");
            button.className = "button";
            button.textContent = answer[0];
            button.addEventListener("click", function() { close(answer[1]); });
            row.appendChild(button);
            state["buttons"].push(button);
        });
        frame.appendChild(bar);
        frame.appendChild(body);
        frame.appendChild(row);
        shade.appendChild(frame);
        document.body.appendChild(shade);
        window["torviBox"] = state;
        state["buttons"][0].focus();
    });
});
EM_JS(void, torviSetTimer, (int id, int milliseconds), {
    var timers = window["torviTimers"] || (window["torviTimers"] = {});
    if (!window["torviReleaseTicks"]) {
        window["torviReleaseTicks"] = function() {
            Object.keys(timers).forEach(function(key) {
                if (timers[key] === "held" && !window["torviBox"]) {
                    delete timers[key];
                    Module["_torvi_tick"](Number(key));
                }
            });
        };
    }
    if (timers[id] && timers[id] !== "held") clearTimeout(timers[id]);
    timers[id] = setTimeout(function() {
        if (window["torviBox"]) {
            timers[id] = "held";
        } else {
            delete timers[id];
            Module["_torvi_tick"](id);
        }
    }, milliseconds);
});
EM_JS(void, torviStopTimer, (int id), {
    var timers = window["torviTimers"] || {};
    if (timers[id] && timers[id] !== "held") clearTimeout(timers[id]);
    delete timers[id];
});
// clang-format on

namespace torvi::web::dom {

bool messageBox(const std::string& title, const std::string& text, bool question) {
    return torviMessageBox(title.c_str(), text.c_str(), question) != 0;
}

void setTimer(int id, int milliseconds) {
    torviSetTimer(id, milliseconds);
}

void stopTimer(int id) {
    torviStopTimer(id);
}

double now() {
    return emscripten_get_now();
}

}  // namespace torvi::web::dom
