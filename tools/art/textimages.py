"""Text images: words drawn with real fonts, one folder per language."""

LANGUAGES = {
    "en": "DejaVu Sans",
    "ja": "Noto Sans CJK JP",
    "zh_CN": "Noto Sans CJK SC",
    "zh_TW": "Noto Sans CJK TC",
}

# Each image: its style and its text in en, ja, zh_CN, zh_TW.
TEXTS = {
    "ready.png": ("ready", "Ready", "準備完了", "准备就绪", "準備就緒"),
    "washout.png": ("washout", "Washout", "流局", "流局", "流局"),
    "timeout.png": ("timeout", "Timeout", "時間切れ", "超时", "超時"),
    "furiten.png": ("furiten", "Furiten", "フリテン", "振听", "振聽"),
    "claim-chow.png": ("claim", "Chow", "チー", "吃", "吃"),
    "claim-chii.png": ("claim", "Chii", "チー", "吃", "吃"),
    "claim-pong.png": ("claim", "Pong", "ポン", "碰", "碰"),
    "claim-pon.png": ("claim", "Pon", "ポン", "碰", "碰"),
    "claim-kong.png": ("claim", "Kong", "カン", "杠", "槓"),
    "claim-kan.png": ("claim", "Kan", "カン", "杠", "槓"),
    "claim-mahjong.png": ("claim", "Mahjong", "和了", "和牌", "和牌"),
    "claim-mahjong-game-view.png": ("win", "Mahjong!", "和了", "和牌", "和牌"),
    "claim-ron.png": ("claim", "Ron", "ロン", "荣和", "榮和"),
    "claim-tsumo.png": ("claim", "Tsumo", "ツモ", "自摸", "自摸"),
    "claim-riichi.png": ("claim", "Riichi", "リーチ", "立直", "立直"),
    "claim-tenpai.png": ("claim", "Tenpai", "テンパイ", "听牌", "聽牌"),
    "welcome.png": ("header", "Welcome to Mahjong", "麻雀へようこそ", "欢迎来到麻将",
                    "歡迎來到麻將"),
    "howto.png": ("header", "How to Play", "遊び方", "玩法说明", "玩法說明"),
    "chat-manager-icon.png": ("badge", "Manager", "管理者", "管理员", "管理員"),
}

STYLES = {
    "claim": {"pixelSize": 28, "fill": ["#fffbe0", "#ffd45a", "#c8861c"], "outline": "#3b2000",
              "outlineWidth": 2.5, "shadowOffset": 2, "shadow": "#00000080"},
    "win": {"pixelSize": 40, "fill": ["#fffbe0", "#ffd45a", "#c8861c"], "outline": "#4a0a00",
            "outlineWidth": 3, "shadowOffset": 3, "shadow": "#00000090"},
    "ready": {"pixelSize": 24, "fill": ["#f0ffe8", "#7ed47a", "#2f8a38"], "outline": "#0e3a14",
              "outlineWidth": 2.5, "shadowOffset": 2, "shadow": "#00000080"},
    "furiten": {"pixelSize": 32, "fill": ["#ffe8e0", "#ff7a60", "#c02418"], "outline": "#3a0800",
                "outlineWidth": 3, "shadowOffset": 3, "shadow": "#00000090"},
    "timeout": {"pixelSize": 32, "fill": ["#fff2e0", "#ffb050", "#d06a10"], "outline": "#3a1a00",
                "outlineWidth": 3, "shadowOffset": 3, "shadow": "#00000090"},
    "washout": {"pixelSize": 34, "fill": ["#ffffff", "#b8dcff", "#4a86c8"], "outline": "#0a1e3a",
                "outlineWidth": 3, "shadowOffset": 3, "shadow": "#00000090"},
    "header": {"pixelSize": 34, "fill": ["#fff4bd", "#e2b95c"], "outline": "#2a1800",
               "outlineWidth": 2.5, "shadowOffset": 3, "shadow": "#00000070", "height": 56},
    "badge": {"pixelSize": 11, "fill": ["#ffffff", "#ffe0a0"], "outline": "#a01818",
              "outlineWidth": 1.5, "shadowOffset": 0, "padding": 1, "height": 16},
}


def jobs(folder):
    """Rasteriser jobs writing every text image of every language under folder."""
    out = []
    for index, (language, font) in enumerate(LANGUAGES.items()):
        for name, (style, *texts) in TEXTS.items():
            job = {"type": "text", "output": str(folder / language / name),
                   "text": texts[index], "font": font, "bold": True}
            job.update(STYLES[style])
            out.append(job)
    return out
