// Shared script of the client's local pages.
//
// The client publishes the object "client" on a QWebChannel. It arrives asynchronously,
// so nothing here touches it before the channel is ready; buttons stay disabled until
// then. Elements ask for client actions through data attributes:
//   data-tab="lobby"            client.displayTab(...)
//   data-join="ruleset=riichi"  client.joinTable(...)
//   data-open="client://help"   client.launchBrowser(...)
//   data-close                  client.close()
//   data-host                   filled with client.mahjongHost
(function () {
    "use strict";

    var pending = [];
    var client = null;

    window.whenClientReady = function (callback) {
        if (client) {
            callback(client);
        } else {
            pending.push(callback);
        }
    };

    function onClick(event) {
        var element = event.target.closest("[data-tab], [data-join], [data-open], [data-close]");
        if (!element || !client) {
            return;
        }
        event.preventDefault();
        if (element.hasAttribute("data-tab")) {
            client.displayTab(element.getAttribute("data-tab"));
        } else if (element.hasAttribute("data-join")) {
            client.joinTable(element.getAttribute("data-join"));
        } else if (element.hasAttribute("data-open")) {
            client.launchBrowser(element.getAttribute("data-open"));
        } else {
            client.close();
        }
    }

    function connected(object) {
        client = object;
        if (!client.isDebug) {
            document.addEventListener("contextmenu", function (event) {
                event.preventDefault();
            });
        }
        document.querySelectorAll("[data-host]").forEach(function (element) {
            element.textContent = client.mahjongHost || "";
        });
        document.querySelectorAll("button").forEach(function (button) {
            button.disabled = false;
        });
        document.addEventListener("click", onClick);
        var callbacks = pending;
        pending = [];
        callbacks.forEach(function (callback) {
            callback(client);
        });
    }

    function start() {
        document.querySelectorAll("button").forEach(function (button) {
            button.disabled = true;
        });
        if (typeof qt === "undefined" || !qt.webChannelTransport || typeof QWebChannel === "undefined") {
            return; // shown outside the client: the page stays a plain page
        }
        new QWebChannel(qt.webChannelTransport, function (channel) {
            if (channel.objects.client) {
                connected(channel.objects.client);
            }
        });
    }

    // Rotates the tips of a page every eight seconds until its window closes.
    window.rotateTips = function (list) {
        var items = list.querySelectorAll("li");
        if (items.length < 2) {
            return;
        }
        var current = 0;
        items.forEach(function (item, index) {
            item.hidden = index !== 0;
        });
        var timer = window.setInterval(function () {
            items[current].hidden = true;
            current = (current + 1) % items.length;
            items[current].hidden = false;
        }, 8000);
        window.whenClientReady(function (client) {
            client.closeEvent.connect(function () {
                window.clearInterval(timer);
            });
        });
    };

    if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", start);
    } else {
        start();
    }
})();
