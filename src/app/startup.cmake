# Start-up: command line, logging, settings, translations, style, search paths,
# single instance, start-up checks, splash and sound.

# Trusted CA certificates: the game and chat connections rely on them (widget-free).
target_sources(mahjong_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CaCertificates.h
    ${CMAKE_CURRENT_LIST_DIR}/CaCertificates.cpp
)
