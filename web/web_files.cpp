#include "web/web_files.h"

#include <emscripten.h>

#include <cstdlib>

// clang-format off
// Opens the browser's file picker and waits for a choice: 1 with window.torviPicked holding the
// file's name and bytes, 0 for none (the picker's cancel event, or Esc). While it waits, the page
// holds every event back from the program, as for a message box (window.torviBox).
EM_ASYNC_JS(int, torviPickFile, (const char* acceptText), {
    var accept = UTF8ToString(acceptText);
    return await new Promise(function(resolve) {
        var state = {"frame": document.body, "buttons": []};
        function finish(answer) {
            if (window["torviBox"] !== state) return;
            window["torviBox"] = null;
            resolve(answer);
            if (window["torviReleaseTicks"]) setTimeout(window["torviReleaseTicks"], 0);
        }
        state["cancel"] = function() { finish(0); };
        var input = document.getElementById("torvi-open");
        if (!input) {
            input = document.createElement("input");
            input.type = "file";
            input.id = "torvi-open";
            input.style.display = "none";
            document.body.appendChild(input);
        }
        input.accept = accept;
        input.value = "";
        input.onchange = function() {
            var file = input.files[0];
            if (!file) return finish(0);
            file.arrayBuffer().then(function(buffer) {
                window["torviPicked"] = {"name": file.name, "bytes": new Uint8Array(buffer)};
                finish(1);
            }, function() { finish(0); });
        };
        input.oncancel = function() { finish(0); };
        window["torviBox"] = state;
        input.click();
    });
});
EM_JS(char*, torviPickedName, (), {
    var name = window["torviPicked"]["name"];
    var size = lengthBytesUTF8(name) + 1;
    var buffer = _malloc(size);
    stringToUTF8(name, buffer, size);
    return buffer;
});
EM_JS(int, torviPickedSize, (), {
    return window["torviPicked"]["bytes"].length;
});
EM_JS(void, torviTakePicked, (char* buffer), {
    HEAPU8.set(window["torviPicked"]["bytes"], buffer);
    window["torviPicked"] = null;
});
// A download of the bytes under the name given.
EM_JS(void, torviDownload, (const char* nameText, const char* bytes, int size), {
    var blob = new Blob([HEAPU8.slice(bytes, bytes + size)], {"type": "application/octet-stream"});
    var link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = UTF8ToString(nameText);
    document.body.appendChild(link);
    link.click();
    document.body.removeChild(link);
    setTimeout(function() { URL.revokeObjectURL(link.href); }, 0);
});
// clang-format on

namespace torvi::web {

std::optional<std::string> WebFiles::read(const std::string& path, std::size_t limit) {
    const auto found = given_.find(path);
    if (found == given_.end()) return std::nullopt;
    std::string bytes = std::move(found->second);
    given_.erase(found);
    if (bytes.size() > limit + 1) bytes.resize(limit + 1);
    return bytes;
}

bool WebFiles::write(const std::string& path, std::string_view bytes) {
    torviDownload(ui::fileNameOf(path).c_str(), bytes.data(), static_cast<int>(bytes.size()));
    return true;
}

void WebFiles::remember(const std::string& name, std::string bytes) {
    given_[name] = std::move(bytes);
}

std::optional<std::string> pickFile(WebFiles& files, const std::string& accept) {
    if (!torviPickFile(accept.c_str())) return std::nullopt;
    char* name = torviPickedName();
    const std::string picked(name);
    std::free(name);
    std::string bytes(static_cast<std::size_t>(torviPickedSize()), '\0');
    torviTakePicked(bytes.data());
    files.remember(picked, std::move(bytes));
    return picked;
}

}  // namespace torvi::web
