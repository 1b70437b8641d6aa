// The page's events, forwarded to the program as numbers: the node they happened at (the nearest
// with a number), a key's character code (13 Enter, 8 Backspace, 27 Esc, 9 Tab) and its
// modifiers. What the program answers decides whether the browser carries the event out itself.
// While a message box is open (window.torviBox) nothing reaches the program: the box's own keys
// answer it, and the shade beneath it takes every press.

#include <emscripten.h>

#include "web/dom.h"

// clang-format off
EM_JS(void, torviListen, (), {
    function nodeOf(target) {
        while (target && target.getAttribute && !target.hasAttribute("data-node")) {
            target = target.parentNode;
        }
        return target && target.getAttribute ? Number(target.getAttribute("data-node")) : -1;
    }
    // The message box's keys: Tab and the arrows move between its buttons, Enter and the space
    // bar press the focused one, Esc closes a box that has only OK; no other key does anything.
    // The file picker's wait has no buttons: Esc gives it up.
    function boxKey(box, event) {
        var buttons = box["buttons"];
        if (!buttons.length) {
            if (event.key === "Escape" && box["cancel"]) box["cancel"]();
            return;
        }
        var at = Math.max(0, buttons.indexOf(document.activeElement));
        var step = event.key === "Tab" ? (event.shiftKey ? -1 : 1)
                 : event.key === "ArrowRight" ? 1 : event.key === "ArrowLeft" ? -1 : 0;
        if (step !== 0) {
            buttons[(at + step + buttons.length) % buttons.length].focus();
        } else if (event.key === "Enter" || event.key === " ") {
            buttons[at].click();
        } else if (event.key === "Escape" && buttons.length === 1) {
            buttons[0].click();
        }
    }
    // Keys that type no character; the arrows as 0x110000 and their key codes (for the menus).
    var named = {"Enter": 13, "Backspace": 8, "Escape": 27, "Tab": 9, "ArrowLeft": 0x110025,
                 "ArrowUp": 0x110026, "ArrowRight": 0x110027, "ArrowDown": 0x110028,
                 "F1": 0x110070};
    document.addEventListener("keydown", function(event) {
        var box = window["torviBox"];
        if (box) {
            event.preventDefault();
            event.stopPropagation();
            if (!event.repeat || event.key !== "Enter") boxKey(box, event);
            return;
        }
        var code = -1;
        if (named[event.key] !== undefined) {
            code = named[event.key];
        } else if (Array.from(event.key).length === 1) {
            code = event.key.codePointAt(0);
        }
        if (code < 0 || event.isComposing) return;
        var node = nodeOf(document.activeElement);
        // A message box the key opened leaves the key to no one else.
        if (Module["_torvi_key"](node, code, event.ctrlKey || event.metaKey ? 1 : 0,
                                 event.altKey ? 1 : 0, event.shiftKey ? 1 : 0) ||
            window["torviBox"]) {
            event.preventDefault();
        }
    }, true);
    document.addEventListener("mousedown", function(event) {
        var box = window["torviBox"];
        if (box) {
            if (!box["frame"].contains(event.target)) event.preventDefault();
            return;
        }
        if (Module["_torvi_mouse_down"](nodeOf(event.target)) || window["torviBox"]) {
            event.preventDefault();
        }
    }, true);
    document.addEventListener("click", function(event) {
        if (!window["torviBox"]) Module["_torvi_click"](nodeOf(event.target));
    }, true);
    // Text the browser would put into a box by itself: typed with no key the program saw (an
    // input method, an on-screen keyboard, a spelling correction) goes in character by character
    // as if typed; pasted or dropped text as one edit. The program writes the box; the browser
    // does not. Deletions are the browser's, and come back as an edit (the input event).
    function typeCharacters(node, text, composed) {
        var characters = Array.from(text || "");
        for (var k = 0; k < characters.length && !window["torviBox"]; ++k) {
            var first = k === 0 ? (composed ? 2 : 1) : 0;
            if (!Module["_torvi_typed"](node, characters[k].codePointAt(0), first)) break;
        }
    }
    // A file dropped anywhere on the page opens as an exercise; text dropped on a box is an edit.
    function draggedFiles(event) {
        return event.dataTransfer && Array.prototype.indexOf.call(event.dataTransfer.types,
                                                                  "Files") >= 0;
    }
    window.addEventListener("resize", function() {
        if (!window["torviBox"]) Module["_torvi_resized"]();
    });
    document.addEventListener("dragover", function(event) {
        if (draggedFiles(event)) event.preventDefault();
    }, true);
    document.addEventListener("drop", function(event) {
        if (!draggedFiles(event)) return;
        event.preventDefault();
        var file = event.dataTransfer.files[0];
        if (!file || window["torviBox"]) return;
        file.arrayBuffer().then(function(buffer) {
            if (window["torviBox"]) return;
            var bytes = new Uint8Array(buffer);
            var data = _malloc(bytes.length + 1);
            HEAPU8.set(bytes, data);
            var size = lengthBytesUTF8(file.name) + 1;
            var name = _malloc(size);
            stringToUTF8(file.name, name, size);
            Module["_torvi_dropped"](name, data, bytes.length);  // which frees both
        });
    }, true);
    document.addEventListener("beforeinput", function(event) {
        var type = event.inputType;
        if (window["torviBox"]) {
            event.preventDefault();
            return;
        }
        var dropped = event.dataTransfer ? event.dataTransfer.getData("text/plain") : "";
        var node = nodeOf(event.target);
        if (type === "insertText" || type === "insertReplacementText") {
            event.preventDefault();
            typeCharacters(node, event.data !== null ? event.data : dropped, false);
        } else if (type === "insertFromPaste" || type === "insertFromDrop" ||
                   type === "insertFromYank") {
            event.preventDefault();
            var text = event.data !== null ? event.data : dropped;
            var size = lengthBytesUTF8(text) + 1;
            var buffer = _malloc(size);
            stringToUTF8(text, buffer, size);
            Module["_torvi_pasted"](node, buffer);  // which frees the buffer
        } else if (type === "insertLineBreak" || type === "insertParagraph" ||
                   type === "deleteByDrag") {
            event.preventDefault();
        }
    }, true);
    // An input method's composition shows in the box as the browser draws it; what it commits
    // goes in as typed characters, in place of the box's text as the program has it.
    document.addEventListener("compositionend", function(event) {
        if (!window["torviBox"]) typeCharacters(nodeOf(event.target), event.data, true);
    }, true);
    document.addEventListener("input", function(event) {
        if (!window["torviBox"] && !event.isComposing) Module["_torvi_input"](nodeOf(event.target));
    }, true);
    // A title bar dragged moves its window on the page; the model hears where it was dropped.
    document.addEventListener("mousedown", function(event) {
        var bar = event.target;
        if (window["torviBox"] || event.button !== 0 || !bar.classList ||
            !bar.classList.contains("title-bar")) {
            return;
        }
        var frame = bar.parentNode;
        if (!frame.hasAttribute("data-node")) return;
        var startX = event.clientX, startY = event.clientY;
        var left = frame.offsetLeft, top = frame.offsetTop;
        function moved(e) {
            frame.style.left = (left + e.clientX - startX) + "px";
            frame.style.top = (top + e.clientY - startY) + "px";
        }
        function dropped(e) {
            moved(e);
            document.removeEventListener("mousemove", moved, true);
            document.removeEventListener("mouseup", dropped, true);
            Module["_torvi_moved"](nodeOf(bar), frame.offsetLeft, frame.offsetTop);
        }
        document.addEventListener("mousemove", moved, true);
        document.addEventListener("mouseup", dropped, true);
        event.preventDefault();
    }, false);
    // The copy event of the program's own copy command takes what the program offered.
    document.addEventListener("copy", function(event) {
        var offered = window["torviCopy"];
        if (!offered) return;
        window["torviCopy"] = null;
        event.clipboardData.setData("text/plain", offered["text"]);
        event.clipboardData.setData("text/html", offered["html"]);
        event.preventDefault();
    }, true);
    // Closing the tab (Ctrl+W) while the program runs asks first, so entries are not lost.
    window.addEventListener("beforeunload", function(event) {
        if (window["torviBox"] || Module["_torvi_running"]()) {
            event.preventDefault();
            event.returnValue = "";
        }
    });
});
// clang-format on

namespace torvi::web::dom {

void listen() {
    torviListen();
}

}  // namespace torvi::web::dom
