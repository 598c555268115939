"""The local web pages (welcome, how-to, support) in every language, with their shared
script and style sheet. The pages talk to the client through the "client" object that
the client publishes on a QWebChannel."""

import html

LANGUAGES = ("en", "ja", "zh_CN", "zh_TW")
HTML_LANG = {"en": "en", "ja": "ja", "zh_CN": "zh-Hans", "zh_TW": "zh-Hant"}

# Every text of the pages, by language: en, ja, zh_CN, zh_TW.
T = {
    "welcome_title": ("Welcome", "ようこそ", "欢迎", "歡迎"),
    "welcome_intro": (
        "Take a seat at a table, join a tournament or learn the game in the guide. "
        "Good luck at the tables!",
        "テーブルに着く、トーナメントに参加する、またはガイドでゲームを学びましょう。"
        "ご健闘をお祈りします！",
        "入座牌桌、参加锦标赛，或在指南中学习游戏。祝您好运！",
        "入座牌桌、參加錦標賽，或在指南中學習遊戲。祝您好運！"),
    "quick_play": ("Quick play", "クイックプレイ", "快速开始", "快速開始"),
    "play_riichi": ("Play Riichi", "リーチ麻雀で遊ぶ", "玩立直麻将", "玩立直麻將"),
    "play_classic": ("Play Classic", "クラシックで遊ぶ", "玩经典麻将", "玩經典麻將"),
    "play_hongkong": ("Play Hong Kong", "香港麻雀で遊ぶ", "玩香港麻将", "玩香港麻將"),
    "more": ("More", "その他", "更多", "更多"),
    "browse_tables": ("Browse tables", "テーブル一覧", "浏览牌桌", "瀏覽牌桌"),
    "tournaments": ("Tournaments", "トーナメント", "锦标赛", "錦標賽"),
    "guide": ("Game guide", "遊び方", "游戏指南", "遊戲指南"),
    "support": ("Support", "サポート", "客户支持", "客戶支援"),
    "tip_title": ("Tip", "ヒント", "提示", "提示"),
    "tips": (
        ("Press Space at the table to take the default action.",
         "Right-click a player's name to open the player menu.",
         "Ctrl+F switches between full screen and a window.",
         "The tile set can be changed in the settings."),
        ("テーブルではスペースキーで既定の操作を行えます。",
         "プレイヤー名を右クリックするとメニューが開きます。",
         "Ctrl+F で全画面とウィンドウを切り替えます。",
         "牌のデザインは設定で変更できます。"),
        ("在牌桌上按空格键执行默认操作。",
         "右键单击玩家名称可打开玩家菜单。",
         "按 Ctrl+F 在全屏和窗口之间切换。",
         "可以在设置中更换牌面样式。"),
        ("在牌桌上按空白鍵執行預設操作。",
         "右鍵點擊玩家名稱可開啟玩家選單。",
         "按 Ctrl+F 在全螢幕和視窗之間切換。",
         "可以在設定中更換牌面樣式。")),
    "howto_title": ("How to play", "遊び方", "玩法说明", "玩法說明"),
    "basics_title": ("The basics", "基本", "基础", "基礎"),
    "basics": (
        "Each player holds thirteen tiles. In turn, players draw a tile from the wall and "
        "discard one. The first to complete a hand of four sets and a pair wins.",
        "各プレイヤーは13枚の牌を持ちます。順番に山から1枚引き、1枚捨てます。"
        "4つの面子と1つの雀頭をそろえた人が和了です。",
        "每位玩家持有十三张牌。玩家轮流从牌墙摸一张牌并打出一张。"
        "最先凑成四组面子和一对将牌的玩家获胜。",
        "每位玩家持有十三張牌。玩家輪流從牌牆摸一張牌並打出一張。"
        "最先湊成四組面子和一對將牌的玩家獲勝。"),
    "claims_title": ("Claiming tiles", "鳴き", "吃碰杠", "吃碰槓"),
    "claims": (
        ("Chow: three tiles in a row of one suit, claimed only from the player on your left.",
         "Pong: three equal tiles, claimed from any player.",
         "Kong: four equal tiles; you draw a replacement tile."),
        ("チー：同じ種類の連続した3枚。左隣のプレイヤーからのみ鳴けます。",
         "ポン：同じ牌3枚。どのプレイヤーからでも鳴けます。",
         "カン：同じ牌4枚。嶺上牌を1枚引きます。"),
        ("吃：同花色的三张顺子，只能吃上家打出的牌。",
         "碰：三张相同的牌，可以碰任何玩家打出的牌。",
         "杠：四张相同的牌，杠后补摸一张牌。"),
        ("吃：同花色的三張順子，只能吃上家打出的牌。",
         "碰：三張相同的牌，可以碰任何玩家打出的牌。",
         "槓：四張相同的牌，槓後補摸一張牌。")),
    "rules_title": ("Rules of each game", "ルール", "各类规则", "各類規則"),
    "rules_riichi": ("Riichi rules", "リーチ麻雀のルール", "立直麻将规则", "立直麻將規則"),
    "rules_classic": ("Classic rules", "クラシックのルール", "经典麻将规则", "經典麻將規則"),
    "rules_international": ("International rules", "国際ルール", "国标麻将规则",
                            "國標麻將規則"),
    "rules_hongkong": ("Hong Kong rules", "香港麻雀のルール", "香港麻将规则", "香港麻將規則"),
    "support_title": ("Support", "サポート", "客户支持", "客戶支援"),
    "support_intro": (
        "Questions about your account, a game or a payment? Our support team is glad to help.",
        "アカウント、ゲーム、お支払いについてのご質問は、サポートチームがお手伝いします。",
        "对账户、游戏或付款有疑问？我们的支持团队乐意为您提供帮助。",
        "對帳戶、遊戲或付款有疑問？我們的支援團隊樂意為您提供協助。"),
    "support_site": ("Open the support site", "サポートサイトを開く", "打开支持网站",
                     "開啟支援網站"),
    "my_account": ("My account", "マイアカウント", "我的账户", "我的帳戶"),
    "hand_history": ("Hand history", "対局履歴", "牌局记录", "牌局記錄"),
    "server": ("Server", "サーバー", "服务器", "伺服器"),
    "close": ("Close", "閉じる", "关闭", "關閉"),
}

CLIENT_JS = r"""// Shared script of the client's local pages.
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
"""

PAGES_CSS = """/* Style of the client's local pages: cream on transparent, over the client's own
   background. */
html, body {
    margin: 0;
    padding: 0;
    background: transparent;
    color: rgb(255, 244, 189);
    font-family: "DejaVu Sans", "Noto Sans CJK JP", "Noto Sans CJK SC", "Noto Sans CJK TC",
        sans-serif;
    font-size: 14px;
    line-height: 1.5;
}

/* Chinese characters in the forms of the page's language. */
:lang(zh-Hans) {
    font-family: "DejaVu Sans", "Noto Sans CJK SC", sans-serif;
}

:lang(zh-Hant) {
    font-family: "DejaVu Sans", "Noto Sans CJK TC", sans-serif;
}

main {
    padding: 12px 20px;
    max-width: 720px;
}

h1 {
    font-size: 22px;
    margin: 0 0 8px 0;
}

h2 {
    font-size: 16px;
    margin: 18px 0 6px 0;
    color: rgb(255, 212, 107);
}

section {
    background: rgba(0, 0, 0, 0.35);
    border: 1px solid rgba(255, 244, 189, 0.2);
    border-radius: 6px;
    padding: 8px 14px 12px 14px;
    margin-bottom: 12px;
}

button {
    font: inherit;
    color: rgb(40, 24, 0);
    background: linear-gradient(rgb(255, 236, 170), rgb(226, 185, 92));
    border: 1px solid rgb(120, 86, 44);
    border-radius: 4px;
    padding: 5px 14px;
    margin: 4px 6px 4px 0;
    cursor: pointer;
}

button:disabled {
    opacity: 0.5;
    cursor: default;
}

button:hover:enabled {
    background: linear-gradient(rgb(255, 246, 204), rgb(240, 204, 120));
}

ul.tips {
    list-style: none;
    padding: 0;
    margin: 0;
}

.host {
    color: rgba(255, 244, 189, 0.6);
    font-size: 12px;
}
"""


def page(lang, title, body):
    i = LANGUAGES.index(lang)
    return """<!DOCTYPE html>
<html lang="%s">
<head>
<meta charset="utf-8">
<title>%s</title>
<link rel="stylesheet" href="../common/pages.css">
<script src="qrc:///qtwebchannel/qwebchannel.js"></script>
<script src="../common/client.js"></script>
</head>
<body>
<main>
%s
</main>
</body>
</html>
""" % (HTML_LANG[lang], html.escape(T[title][i]), body)


def text(key, lang):
    return html.escape(T[key][LANGUAGES.index(lang)])


def button(key, lang, **data):
    (name, value), = data.items()
    name = name.replace("_", "-")
    attribute = name if value is None else '%s="%s"' % (name, html.escape(value))
    return '<button type="button" %s>%s</button>' % (attribute, text(key, lang))


def welcome(lang):
    i = LANGUAGES.index(lang)
    tips = "\n".join("  <li>%s</li>" % html.escape(t) for t in T["tips"][i])
    body = """<h1>%s</h1>
<p>%s</p>
<section>
<h2>%s</h2>
%s
%s
%s
</section>
<section>
<h2>%s</h2>
%s
%s
%s
%s
</section>
<section>
<h2>%s</h2>
<ul class="tips" id="tips">
%s
</ul>
</section>
<script>window.rotateTips(document.getElementById("tips"));</script>""" % (
        text("welcome_title", lang), text("welcome_intro", lang), text("quick_play", lang),
        button("play_riichi", lang, data_join="ruleset=riichi"),
        button("play_classic", lang, data_join="ruleset=classic"),
        button("play_hongkong", lang, data_join="ruleset=hongkong"),
        text("more", lang),
        button("browse_tables", lang, data_tab="lobby"),
        button("tournaments", lang, data_tab="tournament"),
        button("guide", lang, data_tab="howto"),
        button("support", lang, data_open="client://support"),
        text("tip_title", lang), tips)
    return page(lang, "welcome_title", body)


def howto(lang):
    i = LANGUAGES.index(lang)
    claims = "\n".join("  <li>%s</li>" % html.escape(t) for t in T["claims"][i])
    body = """<h1>%s</h1>
<section>
<h2>%s</h2>
<p>%s</p>
</section>
<section>
<h2>%s</h2>
<ul>
%s
</ul>
</section>
<section>
<h2>%s</h2>
%s
%s
%s
%s
</section>
<p>%s</p>""" % (
        text("howto_title", lang), text("basics_title", lang), text("basics", lang),
        text("claims_title", lang), claims, text("rules_title", lang),
        button("rules_riichi", lang, data_open="client://rules/riichi"),
        button("rules_classic", lang, data_open="client://rules/classic"),
        button("rules_international", lang, data_open="client://rules/international"),
        button("rules_hongkong", lang, data_open="client://rules/hongkong"),
        button("browse_tables", lang, data_tab="lobby"))
    return page(lang, "howto_title", body)


def support(lang):
    body = """<h1>%s</h1>
<section>
<p>%s</p>
%s
%s
%s
</section>
<p class="host">%s: <span data-host></span></p>
<p>%s</p>""" % (
        text("support_title", lang), text("support_intro", lang),
        button("support_site", lang, data_open="client://externsupport"),
        button("my_account", lang, data_open="client://my-account"),
        button("hand_history", lang, data_open="client://my-account/hand_history"),
        text("server", lang), button("close", lang, data_close=None))
    return page(lang, "support_title", body)


def files():
    """Every file of the "www" folder, by path inside it."""
    out = {"common/client.js": CLIENT_JS, "common/pages.css": PAGES_CSS}
    for lang in LANGUAGES:
        out[lang + "/welcome.html"] = welcome(lang)
        out[lang + "/howto.html"] = howto(lang)
        out[lang + "/support.html"] = support(lang)
    return out
