# The chat client on a server the fuzzer plays, and what the player reads of it (the
# chat without windows), under the fuzzer, and every input it ever broke a rule with; and
# beside it, far faster, a room's line book and the clock steps alone.
set(chat_fuzz_entry
    ${CMAKE_CURRENT_LIST_DIR}/chat_fuzz_entry.h ${CMAKE_CURRENT_LIST_DIR}/chat_fuzz_entry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SteeredDispatcher.h ${CMAKE_CURRENT_LIST_DIR}/SteeredDispatcher.cpp)
mahjong_add_test(tst_chat_fuzz_regressions
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chat_fuzz_regressions.cpp ${chat_fuzz_entry}
    LIBS mahjong_chat)
set(room_lines_fuzz_entry
    ${CMAKE_CURRENT_LIST_DIR}/room_lines_fuzz_entry.h ${CMAKE_CURRENT_LIST_DIR}/room_lines_fuzz_entry.cpp)
mahjong_add_test(tst_room_lines_fuzz_regressions
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_room_lines_fuzz_regressions.cpp ${room_lines_fuzz_entry}
    LIBS mahjong_xmpp)

if(MAHJONG_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "MAHJONG_BUILD_FUZZERS needs clang (CMAKE_CXX_COMPILER=clang++)")
    endif()
    add_executable(fuzz_chat ${CMAKE_CURRENT_LIST_DIR}/fuzz_chat_main.cpp ${chat_fuzz_entry})
    mahjong_target_defaults(fuzz_chat)
    target_compile_options(fuzz_chat PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_link_options(fuzz_chat PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_chat PRIVATE mahjong_chat)
    mahjong_fuzz_coverage(fuzz_chat)
    add_executable(fuzz_room_lines ${CMAKE_CURRENT_LIST_DIR}/fuzz_room_lines_main.cpp ${room_lines_fuzz_entry})
    mahjong_target_defaults(fuzz_room_lines)
    target_compile_options(fuzz_room_lines PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_link_options(fuzz_room_lines PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_room_lines PRIVATE mahjong_xmpp)
    mahjong_fuzz_coverage(fuzz_room_lines)
endif()
