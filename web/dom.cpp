#include "web/dom.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <variant>
#include <vector>

#include "ui/units.h"

// The page keeps the program's nodes in one array, window.torviNodes, indexed by Node; node 0 is
// the element with the id "torvi". Names of page globals are quoted so that a minifier keeps them.

// clang-format off
EM_JS(int, torviCreate, (const char* tag, int parent, const char* className), {
    var nodes = window["torviNodes"];
    if (!nodes) {
        nodes = window["torviNodes"] = [document.getElementById("torvi") || document.body];
    }
    var node = document.createElement(UTF8ToString(tag));
    node.className = UTF8ToString(className);
    node.setAttribute("data-node", String(nodes.length));
    nodes[parent].appendChild(node);
    nodes.push(node);
    return nodes.length - 1;
});
EM_JS(void, torviRemove, (int id), {
    var node = window["torviNodes"][id];
    if (node && node.parentNode) node.parentNode.removeChild(node);
    window["torviNodes"][id] = null;
});
EM_JS(void, torviPlace, (int id, int left, int top, int width, int height), {
    var style = window["torviNodes"][id].style;
    style.left = left + "px";
    style.top = top + "px";
    style.width = width + "px";
    style.height = height + "px";
});
EM_JS(void, torviSetText, (int id, const char* text), {
    window["torviNodes"][id].textContent = UTF8ToString(text);
});
EM_JS(void, torviSetStyle, (int id, const char* property, const char* value), {
    window["torviNodes"][id].style.setProperty(UTF8ToString(property), UTF8ToString(value));
});
EM_JS(void, torviSetZoom, (int id, double scale), {
    var canvas = window["torviNodes"][id];
    var zoom = scale === 1 ? "" : String(scale);
    canvas.style.zoom = zoom;
    var layer = canvas.nextSibling;
    if (layer && layer.className === "texts") layer.style.zoom = zoom;
});
EM_JS(int, torviShownSize, (int id, int height), {
    var box = window["torviNodes"][id].getBoundingClientRect();
    return Math.round(height ? box.height : box.width);
});
// A picture kept loaded as an image, by its address, for pictures composed of what the page
// shows (which cannot wait for one to load).
EM_JS(void, torviKeepImage, (const char* where), {
    // Kept by the whole address, as a style gives it back.
    var address = new URL(UTF8ToString(where), document.baseURI).href;
    var kept = window["torviImages"] = window["torviImages"] || {};
    if (kept[address]) return;
    kept[address] = new Image();
    kept[address].src = address;
});
// Where a picture resource is found: in the single file, the data address written into it
// (window.torviPictures); otherwise its file beside the page. A string the program frees.
EM_JS(char*, torviPictureAddress, (const char* name), {
    var picture = UTF8ToString(name);
    var address = (window["torviPictures"] || {})[picture] || picture;
    var size = lengthBytesUTF8(address) + 1;
    var text = _malloc(size);
    stringToUTF8(address, text, size);
    return text;
});
EM_JS(void, torviSetAttribute, (int id, const char* name, const char* value), {
    var node = window["torviNodes"][id], attribute = UTF8ToString(name);
    var text = UTF8ToString(value);
    if (node.getAttribute(attribute) !== text) node.setAttribute(attribute, text);
});
EM_JS(void, torviSetEnabled, (int id, int enabled), {
    var node = window["torviNodes"][id];
    if ("disabled" in node) node.disabled = !enabled;
    node.classList.toggle("disabled", !enabled);
    node.setAttribute("aria-disabled", enabled ? "false" : "true");
});
EM_JS(void, torviSetClass, (int id, const char* name, int on), {
    window["torviNodes"][id].classList.toggle(UTF8ToString(name), !!on);
});
EM_JS(void, torviFocus, (int id), {
    var node = window["torviNodes"][id];
    if (document.activeElement !== node) node.focus({preventScroll: true});
});
EM_JS(int, torviHasFocus, (int id), {
    return id >= 0 && document.activeElement === window["torviNodes"][id] ? 1 : 0;
});
EM_JS(void, torviSetValue, (int id, const char* text), {
    var node = window["torviNodes"][id];
    var value = UTF8ToString(text);
    if (node.value !== value) node.value = value;
});
EM_JS(char*, torviValue, (int id), {
    var value = window["torviNodes"][id].value || "";
    var size = lengthBytesUTF8(value) + 1;
    var buffer = _malloc(size);
    stringToUTF8(value, buffer, size);
    return buffer;
});
EM_JS(void, torviSetSelection, (int id, int start, int end), {
    var node = window["torviNodes"][id];
    if (node.selectionStart !== start || node.selectionEnd !== end) {
        node.setSelectionRange(start, end);
    }
});
EM_JS(int, torviSelectionStart, (int id), { return window["torviNodes"][id].selectionStart | 0; });
EM_JS(int, torviSelectionEnd, (int id), { return window["torviNodes"][id].selectionEnd | 0; });
EM_JS(double, torviTextWidth, (const char* font, const char* text), {
    var canvas = window["torviMeasure"] ||
                 (window["torviMeasure"] = document.createElement("canvas"));
    var context = canvas.getContext("2d");
    var face = UTF8ToString(font);
    if (window["torviMeasureFont"] !== face) context.font = window["torviMeasureFont"] = face;
    return context.measureText(UTF8ToString(text)).width;
});
// The print view: the page's items as positioned text and rules in a page of their own, which
// the print style sheet shows in place of the program; the browser's print dialog then prints it
// (or saves it as PDF). Items as in torviPaint, positions in CSS pixels.
EM_JS(void, torviPrint, (int landscape, const int* items, int count, const char* texts), {
    var old = document.getElementById("torvi-print");
    if (old) old.parentNode.removeChild(old);
    var view = document.createElement("div");
    view.id = "torvi-print";
    var strings = JSON.parse(UTF8ToString(texts));
    for (var k = 0; k < count; ++k) {
        var at = (items >> 2) + 7 * k;
        var colour = "#" + ("00000" + HEAP32[at + 5].toString(16)).slice(-6);
        if (HEAP32[at] === 4) {
            view.insertAdjacentHTML("beforeend", strings[HEAP32[at + 6]]);
            continue;
        }
        var part = document.createElement(HEAP32[at] === 1 ? "span" : "div");
        part.style.position = "absolute";
        part.style.left = HEAP32[at + 1] + "px";
        part.style.top = HEAP32[at + 2] + "px";
        if (HEAP32[at] === 3) {
            part.style.width = (HEAP32[at + 3] - HEAP32[at + 1]) + "px";
            part.style.height = (HEAP32[at + 4] - HEAP32[at + 2]) + "px";
            part.style.background = colour;
        } else if (HEAP32[at] === 0) {
            var x2 = HEAP32[at + 3], y2 = HEAP32[at + 4], thick = HEAP32[at + 6];
            part.style.width = Math.max(x2 - HEAP32[at + 1], thick) + "px";
            part.style.height = Math.max(y2 - HEAP32[at + 2], thick) + "px";
            part.style.background = colour;
        } else {
            part.style.color = colour;
            part.style.font = strings[HEAP32[at + 6]];
            part.style.whiteSpace = "pre";
            part.textContent = strings[HEAP32[at + 3]];
        }
        view.appendChild(part);
    }
    document.body.appendChild(view);
    var page = document.getElementById("torvi-page") || document.createElement("style");
    page.id = "torvi-page";
    page.textContent = "@page { size: A4 " + (landscape ? "landscape" : "portrait") +
                       "; margin: 0.25in; }";
    document.head.appendChild(page);
    // The dialog prints what is on the page when it opens: its pictures decoded first.
    Promise.all(Array.from(view.querySelectorAll("img")).map(function(picture) {
        return picture.decode().catch(function() {});
    })).then(function() { window.print(); });
});
// A page's items (as in torviPaint, in CSS pixels) drawn on a picture of this size at this scale,
// as a PNG file's bytes in the program's memory (which it frees), and their count; its stored
// pictures decoded first, each cut to its box.
EM_ASYNC_JS(char*, torviPagePng, (int width, int height, double scale, const int* items,
                                  int count, const char* texts, int* size), {
    var strings = JSON.parse(UTF8ToString(texts));
    var parts = [];
    for (var k = 0; k < count; ++k) {
        var at = (items >> 2) + 7 * k;
        parts.push(Array.from(HEAP32.subarray(at, at + 7)));
    }
    var picture = document.createElement("canvas");
    picture.width = width;
    picture.height = height;
    var context = picture.getContext("2d");
    context.fillStyle = "#ffffff";
    context.fillRect(0, 0, width, height);
    context.scale(scale, scale);
    context.textBaseline = "top";
    for (var part of parts) {
        var colour = "#" + ("00000" + part[5].toString(16)).slice(-6);
        if (part[0] === 0) {
            context.strokeStyle = colour;
            context.lineWidth = part[6];
            context.beginPath();
            context.moveTo(part[1] + 0.5, part[2] + 0.5);
            context.lineTo(part[3] + 0.5, part[4] + 0.5);
            context.stroke();
        } else if (part[0] === 3) {
            context.fillStyle = colour;
            context.fillRect(part[1], part[2], part[3] - part[1], part[4] - part[2]);
        } else if (part[0] === 1) {
            context.font = strings[part[6]];
            context.fillStyle = colour;
            context.fillText(strings[part[3]], part[1], part[2]);
        } else if (part[0] === 4) {
            var holder = document.createElement("div");
            holder.innerHTML = strings[part[6]];
            var box = holder.firstChild, image = box.firstChild;
            try {
                await image.decode();
            } catch (error) {
                continue;
            }
            var left = parseFloat(box.style.left), top = parseFloat(box.style.top);
            context.save();
            context.beginPath();
            context.rect(left, top, parseFloat(box.style.width), parseFloat(box.style.height));
            context.clip();
            context.drawImage(image, left + parseFloat(image.style.left),
                              top + parseFloat(image.style.top), parseFloat(image.style.width),
                              parseFloat(image.style.height));
            context.restore();
        }
    }
    var text = atob(picture.toDataURL("image/png").split(",")[1]);
    var bytes = _malloc(text.length);
    for (var k = 0; k < text.length; ++k) HEAPU8[bytes + k] = text.charCodeAt(k);
    HEAP32[size >> 2] = text.length;
    return bytes;
});
// Copies text and HTML: the browser's copy command, whose event takes them (the key that asks
// is the user's gesture the browser requires).
EM_JS(int, torviOfferCopy, (const char* text, const char* html), {
    window["torviCopy"] = {"text": UTF8ToString(text), "html": UTF8ToString(html)};
    var copied = document.execCommand("copy");
    window["torviCopy"] = null;
    return copied ? 1 : 0;
});
// A picture of what a node shows, as the desktop grabs a window's client area: its fills, its
// canvases, its labels' texts and its lines, drawn on one canvas in page order.
EM_JS(void, torviDefineComposer, (), {
  window["torviCompose"] = function(area) {
    var origin = area.getBoundingClientRect();
    var picture = document.createElement("canvas");
    picture.width = Math.round(origin.width);
    picture.height = Math.round(origin.height);
    var context = picture.getContext("2d");
    [area].concat(Array.from(area.querySelectorAll("*"))).forEach(function(part) {
        var style = getComputedStyle(part);
        if (style.display === "none" || style.visibility === "hidden") return;
        for (var up = part; up !== area; up = up.parentNode) {
            if (getComputedStyle(up).display === "none") return;
        }
        var at = part.getBoundingClientRect();
        var x = at.left - origin.left, y = at.top - origin.top;
        if (style.backgroundColor !== "rgba(0, 0, 0, 0)") {
            context.fillStyle = style.backgroundColor;
            context.fillRect(x, y, at.width, at.height);
        }
        // A stored picture from its corner, at the size its box shows it, cut to the box.
        var background = style.backgroundImage;  // url("address")
        var image = background.startsWith("url(") &&
                    (window["torviImages"] || {})[background.slice(5, -2)];
        if (image && image.complete && image.naturalWidth > 0) {
            var size = style.backgroundSize.split(" ");
            var width = size[0] === "100%" ? at.width
                      : size[0].endsWith("px") ? parseFloat(size[0]) : image.naturalWidth;
            var height = size[1] === "100%" ? at.height
                       : width * image.naturalHeight / image.naturalWidth;
            context.save();
            context.beginPath();
            context.rect(x, y, at.width, at.height);
            context.clip();
            context.drawImage(image, x, y, width, height);
            context.restore();
        }
        if (part.tagName === "CANVAS") {
            context.drawImage(part, x, y);
        } else if ((part.classList.contains("label") ||
                    part.parentNode.classList.contains("texts")) && part.textContent) {
            context.font = style.font;
            context.fillStyle = style.color;
            context.textBaseline = "top";
            context.textAlign = style.textAlign === "center" ? "center"
                              : style.textAlign === "right" ? "right" : "left";
            var across = style.textAlign === "center" ? at.width / 2
                       : style.textAlign === "right" ? at.width : 0;
            context.fillText(part.textContent, x + across, y);
            context.textAlign = "left";
        }
        if (parseFloat(style.borderTopWidth) > 0) {
            context.strokeStyle = style.borderTopColor;
            context.lineWidth = 1;
            context.strokeRect(x + 0.5, y + 0.5, at.width - 1, at.height - 1);
        }
    });
    return picture;
  };
});
// The picture on the clipboard as PNG (the key that asks is the user's gesture the browser
// requires).
EM_JS(void, torviCopyPicture, (int id), {
    var picture = window["torviCompose"](window["torviNodes"][id]);
    var png = new Promise(function(resolve) { picture.toBlob(resolve, "image/png"); });
    if (navigator.clipboard && window.ClipboardItem) {
        navigator.clipboard.write([new ClipboardItem({"image/png": png})]).catch(function() {});
    }
});
// The picture as a PNG file's bytes in the program's memory (which it frees), and their count.
EM_JS(char*, torviPicturePng, (int id, int* size), {
    var picture = window["torviCompose"](window["torviNodes"][id]);
    var text = atob(picture.toDataURL("image/png").split(",")[1]);
    var bytes = _malloc(text.length);
    for (var k = 0; k < text.length; ++k) HEAPU8[bytes + k] = text.charCodeAt(k);
    HEAP32[size >> 2] = text.length;
    return bytes;
});
// The bytes at an address, in the program's memory (which it frees): a data address decoded, a
// file beside the page read as it is; nothing (0) when it cannot be read.
EM_JS(char*, torviAddressBytes, (const char* where, int* size), {
    var address = UTF8ToString(where), text = null;
    try {
        if (address.startsWith("data:")) {
            text = atob(address.substring(address.indexOf(",") + 1));
        } else {
            // Read as it is: each byte one character, which a binary response cannot be here.
            var request = new XMLHttpRequest();
            request.open("GET", address, false);
            request.overrideMimeType("text/plain; charset=x-user-defined");
            request.send();
            if (request.status === 200 || request.status === 0) text = request.responseText;
        }
    } catch (error) {
        text = null;
    }
    if (text === null || text.length === 0) return 0;
    var bytes = _malloc(text.length);
    for (var k = 0; k < text.length; ++k) HEAPU8[bytes + k] = text.charCodeAt(k) & 0xFF;
    HEAP32[size >> 2] = text.length;
    return bytes;
});
EM_JS(int, torviAddressAsks, (const char* option), {
    return new URLSearchParams(window.location.search).has(UTF8ToString(option)) ? 1 : 0;
});
EM_JS(void, torviMarkReady, (), { performance.mark("torvi-ready"); });
// A drawing from a list in the program's memory: for each item seven ints, kind (0 a line,
// 1 a text, 2 a pixel column, 3 a filled rectangle from x1, y1 to x2, y2, 4 a stored picture),
// x1 (the column's x), y1 (its top), x2 (or the text's index), y2 (the column's bottom), colour
// (0xRRGGBB) and thickness (or the font's index, or the picture's markup's), in pixels; texts,
// fonts and markup as one array of strings. Lines go on the canvas; texts are the page's own
// text, in a layer just above it, so that they can be read, selected and found, and pictures
// lie in that layer too.
EM_JS(void, torviPaint, (int id, int width, int height, const int* items, int count,
                         const char* texts), {
    var canvas = window["torviNodes"][id];
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    var layer = canvas.nextSibling;
    if (!layer || layer.className !== "texts") {
        layer = document.createElement("div");
        layer.className = "texts";
        canvas.parentNode.insertBefore(layer, canvas.nextSibling);
    }
    layer.style.zoom = canvas.style.zoom;  // the texts at the drawing's scale
    // A canvas nothing was ever drawn on needs no context (making one costs).
    if (count === 0 && !canvas["torviDrawn"]) {
        layer.textContent = "";
        return;
    }
    canvas["torviDrawn"] = count > 0;
    var context = canvas.getContext("2d");
    context.clearRect(0, 0, width, height);
    var strings = JSON.parse(UTF8ToString(texts));
    // The texts as one piece of markup: the browser builds a table's thousand cells at once.
    var runs = [];
    var layerFont = null;  // the first text's font, the layer's; other texts carry their own
    function escaped(text) {
        return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
                   .split(String.fromCharCode(34)).join("&quot;");
    }
    // Lines of one colour and thickness in a row make one path; pixel columns are written into
    // the canvas's pixels, a run of them at a time.
    var pathStyle = null, image = null, pixels = null;
    function endPath() {
        if (pathStyle !== null) context.stroke();
        pathStyle = null;
    }
    function endImage() {
        if (image !== null) context.putImageData(image, 0, 0);
        image = null;
    }
    for (var k = 0; k < count; ++k) {
        var at = (items >> 2) + 7 * k;
        var kind = HEAP32[at];
        var rgb = HEAP32[at + 5];
        var colour = kind === 2 ? "" : "#" + ("00000" + rgb.toString(16)).slice(-6);
        if (kind === 2) {
            endPath();
            if (image === null) {
                image = context.getImageData(0, 0, width, height);
                pixels = new Uint32Array(image.data.buffer);
            }
            var x = HEAP32[at + 1];
            if (x < 0 || x >= width) continue;
            var abgr = (0xFF000000 | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16)) >>> 0;
            var bottom = Math.min(height - 1, HEAP32[at + 4]);
            for (var y = Math.max(0, HEAP32[at + 2]); y <= bottom; ++y) pixels[y * width + x] = abgr;
        } else if (kind === 0) {
            endImage();
            var style = colour + " " + HEAP32[at + 6];
            if (style !== pathStyle) {
                endPath();
                context.strokeStyle = colour;
                context.lineWidth = HEAP32[at + 6];
                context.beginPath();
                pathStyle = style;
            }
            context.moveTo(HEAP32[at + 1] + 0.5, HEAP32[at + 2] + 0.5);
            context.lineTo(HEAP32[at + 3] + 0.5, HEAP32[at + 4] + 0.5);
        } else if (kind === 3) {
            endImage();
            endPath();
            context.fillStyle = colour;
            context.fillRect(HEAP32[at + 1], HEAP32[at + 2], HEAP32[at + 3] - HEAP32[at + 1],
                             HEAP32[at + 4] - HEAP32[at + 2]);
        } else if (kind === 4) {
            runs.push(strings[HEAP32[at + 6]]);  // a stored picture's markup, over the drawing
        } else {
            var font = strings[HEAP32[at + 6]];
            var style = "left:" + HEAP32[at + 1] + "px;top:" + HEAP32[at + 2] + "px;color:" + colour;
            if (layerFont === null) {
                layerFont = font;
                layer.style.font = font;
                layer.style.lineHeight = "1";
            } else if (font !== layerFont) {
                style += ";font:" + font + ";line-height:1";
            }
            runs.push("<span style=\"" + escaped(style) + "\">" +
                      escaped(strings[HEAP32[at + 3]]) + "</span>");
        }
    }
    endPath();
    endImage();
    layer.innerHTML = runs.join("");
});
// clang-format on

namespace torvi::web::dom {
namespace {

std::string text(std::string_view view) {
    return std::string(view);
}

// A text as a JSON string literal.
std::string json(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + "\"";
}

std::string pictureAddress(std::string_view resource) {
    char* address = torviPictureAddress(text(resource).c_str());
    std::string result(address);
    std::free(address);
    return result;
}

// A stored picture as markup of pixels: its place, cut to its clip.
std::string pictureMarkup(const ui::PictureRun& picture) {
    const ui::Rect clip = ui::twipsToDevice(picture.clip, ui::Resolution{});
    const ui::Rect place = ui::twipsToDevice(picture.place, ui::Resolution{});
    const auto px = [](int pixels) { return std::to_string(pixels) + "px"; };
    return "<div style=\"position:absolute;overflow:hidden;left:" + px(clip.left) +
           ";top:" + px(clip.top) + ";width:" + px(clip.width) + ";height:" + px(clip.height) +
           "\"><img alt=\"\" src=\"" + pictureAddress(picture.resource) +
           "\" style=\"position:absolute;left:" + px(place.left - clip.left) +
           ";top:" + px(place.top - clip.top) + ";width:" + px(place.width) +
           ";height:" + px(place.height) + "\"></div>";
}

}  // namespace

Node create(const char* tag, Node parent, const char* className) {
    return torviCreate(tag, parent, className);
}
void remove(Node node) {
    torviRemove(node);
}
void place(Node node, const ui::Rect& pixels) {
    torviPlace(node, pixels.left, pixels.top, pixels.width, pixels.height);
}
void setText(Node node, std::string_view value) {
    torviSetText(node, text(value).c_str());
}
void setVisible(Node node, bool visible) {
    torviSetStyle(node, "display", visible ? "" : "none");
}
void setEnabled(Node node, bool enabled) {
    torviSetEnabled(node, enabled);
}
void setStyle(Node node, const char* property, std::string_view value) {
    torviSetStyle(node, property, text(value).c_str());
}
void setZoom(Node canvas, double scale) {
    torviSetZoom(canvas, scale);
}
std::pair<int, int> shownSize(Node node) {
    return {torviShownSize(node, 0), torviShownSize(node, 1)};
}
void setPicture(Node node, std::string_view resource) {
    const std::string address = pictureAddress(resource);
    setStyle(node, "background-image", "url(\"" + address + "\")");
    torviKeepImage(address.c_str());
}
void setAttribute(Node node, const char* name, std::string_view value) {
    torviSetAttribute(node, name, text(value).c_str());
}
void setClass(Node node, const char* className, bool on) {
    torviSetClass(node, className, on);
}
void raise(Node node, int layer) {
    torviSetStyle(node, "z-index", std::to_string(layer).c_str());
}
void focus(Node node) {
    torviFocus(node);
}
bool hasFocus(Node node) {
    return torviHasFocus(node) != 0;
}
void setValue(Node node, std::string_view value) {
    torviSetValue(node, text(value).c_str());
}
std::string value(Node node) {
    char* buffer = torviValue(node);
    std::string result(buffer);
    std::free(buffer);
    return result;
}
void setSelection(Node node, int start, int end) {
    torviSetSelection(node, start, end);
}
std::pair<int, int> selection(Node node) {
    return {torviSelectionStart(node), torviSelectionEnd(node)};
}

std::string cssColour(ui::Rgb colour) {
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return css;
}

std::string cssFont(const ui::Font& font) {
    // The model's faces: the old dialog face as Arial's metrics, the interface font as the
    // browser's own sans-serif; sizes in pixels at 96 an inch, as the desktop programs have them.
    std::string family = "\"" + font.family + "\", Arial, \"Liberation Sans\", sans-serif";
    if (font.family == "MS Sans Serif") family = "Arial, \"Liberation Sans\", sans-serif";
    if (font.family == ui::kInterfaceFamily)
        family =
            "\"DejaVu Sans Condensed\", \"Liberation Sans Narrow\", \"Arial Narrow\", sans-serif";
    const double pixels = font.pointSize * 96.0 / 72.0;
    char size[32];
    std::snprintf(size, sizeof size, "%.2fpx ", pixels);
    return (font.bold ? std::string("bold ") : std::string()) + size + family;
}

double textWidth(const ui::Font& font, std::string_view value) {
    // The windows measure the same texts again and again (a table's cells at every layout).
    static std::unordered_map<std::string, double> measured;
    const std::string face = cssFont(font);
    std::string key = face + '\n' + std::string(value);
    if (const auto found = measured.find(key); found != measured.end()) return found->second;
    if (measured.size() > 4096) measured.clear();
    const double width = torviTextWidth(face.c_str(), text(value).c_str());
    measured.emplace(std::move(key), width);
    return width;
}

namespace {

// Items as seven ints each, with their texts and fonts as a JSON array, for the page's drawing.
struct PackedItems {
    std::vector<int> numbers;
    std::string strings;
};

// Pixel columns only for the screen: a page has no pixels.
PackedItems pack(const std::vector<ui::DrawItem>& items, bool pixelColumns) {
    PackedItems packed;
    packed.numbers.reserve(items.size() * 7);
    std::vector<std::string> strings;
    ui::Font lastFont;
    int fontIndex = -1;
    const auto pixels = [](int twips) { return ui::twipsToPixels(twips); };
    const auto rgb = [](ui::Rgb c) { return (c.red << 16) | (c.green << 8) | c.blue; };
    for (const ui::DrawItem& item : items) {
        if (const auto column = pixelColumns ? ui::pixelColumnOf(item) : std::nullopt) {
            packed.numbers.insert(packed.numbers.end(), {2, column->x, column->top, column->x,
                                                         column->bottom, rgb(column->colour), 1});
            continue;
        }
        if (const auto* line = std::get_if<ui::LineRun>(&item)) {
            packed.numbers.insert(packed.numbers.end(),
                                  {0, pixels(line->x1), pixels(line->y1), pixels(line->x2),
                                   pixels(line->y2), rgb(line->colour), line->thickness});
            continue;
        }
        if (const auto* fill = std::get_if<ui::FillRun>(&item)) {
            const ui::Rect& area = fill->area;
            packed.numbers.insert(packed.numbers.end(),
                                  {3, pixels(area.left), pixels(area.top), pixels(area.right()),
                                   pixels(area.bottom()), rgb(fill->colour), 0});
            continue;
        }
        if (const auto* picture = std::get_if<ui::PictureRun>(&item)) {
            strings.push_back(pictureMarkup(*picture));
            packed.numbers.insert(packed.numbers.end(),
                                  {4, 0, 0, 0, 0, 0, static_cast<int>(strings.size()) - 1});
            continue;
        }
        const auto& run = std::get<ui::TextRun>(item);
        // A font the texts before had is named once: a table's cells share one.
        if (fontIndex < 0 || !(run.font == lastFont)) {
            lastFont = run.font;
            strings.push_back(cssFont(run.font));
            fontIndex = static_cast<int>(strings.size()) - 1;
        }
        strings.push_back(run.text);
        const int textIndex = static_cast<int>(strings.size()) - 1;
        packed.numbers.insert(packed.numbers.end(), {1, pixels(run.x), pixels(run.y), textIndex, 0,
                                                     rgb(run.colour), fontIndex});
    }
    packed.strings = "[";
    for (std::size_t k = 0; k < strings.size(); ++k)
        packed.strings += (k ? "," : "") + json(strings[k]);
    packed.strings += "]";
    return packed;
}

}  // namespace

void paint(Node canvas, int width, int height, const std::vector<ui::DrawItem>& items) {
    const PackedItems packed = pack(items, true);
    torviPaint(canvas, width, height, packed.numbers.data(), static_cast<int>(items.size()),
               packed.strings.c_str());
}

std::optional<std::string> pagePng(const std::vector<ui::DrawItem>& items, int width, int height,
                                   double scale) {
    const PackedItems packed = pack(items, false);
    int size = 0;
    char* bytes = torviPagePng(width, height, scale, packed.numbers.data(),
                               static_cast<int>(items.size()), packed.strings.c_str(), &size);
    if (bytes == nullptr) return std::nullopt;
    std::string png(bytes, static_cast<std::size_t>(size));
    std::free(bytes);
    return png;
}

void print(bool landscape, const std::vector<ui::DrawItem>& items) {
    const PackedItems packed = pack(items, false);
    torviPrint(landscape, packed.numbers.data(), static_cast<int>(items.size()),
               packed.strings.c_str());
}

bool copy(std::string_view plain, std::string_view html) {
    return torviOfferCopy(text(plain).c_str(), text(html).c_str()) != 0;
}
void copyPicture(Node node) {
    torviDefineComposer();
    torviCopyPicture(node);
}
std::string picturePng(Node node) {
    torviDefineComposer();
    int size = 0;
    char* bytes = torviPicturePng(node, &size);
    std::string png(bytes, static_cast<std::size_t>(size));
    std::free(bytes);
    return png;
}
std::optional<std::string> resourceBytes(std::string_view resource) {
    int size = 0;
    char* bytes = torviAddressBytes(pictureAddress(resource).c_str(), &size);
    if (bytes == nullptr) return std::nullopt;
    std::string result(bytes, static_cast<std::size_t>(size));
    std::free(bytes);
    return result;
}
bool addressAsks(const char* option) {
    return torviAddressAsks(option) != 0;
}
void markReady() {
    torviMarkReady();
}

}  // namespace torvi::web::dom
