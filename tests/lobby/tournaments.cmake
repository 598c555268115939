# Tournaments: the tournament list, registration and the tournament detail dialog.
mahjong_add_test(tst_tournamentslobbymodel SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentslobbymodel.cpp
    LIBS mahjong_ui ENVIRONMENT "LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8")
mahjong_add_test(tst_tournamentmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tournamentmodels.cpp
    LIBS mahjong_ui)
