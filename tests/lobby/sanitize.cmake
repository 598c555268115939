# Under the sanitizers the table model is tested from the model's own sources, so that
# none of the windows need building: the localized-names test drives the model through
# the name service (the model's own test also drives the lobby controller and its window).
if(MAHJONG_SANITIZE)
    set(lobby ${PROJECT_SOURCE_DIR}/src/lobby)
    mahjong_add_test(tst_tablemodel_sanitized
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_localizationdb.cpp ${CMAKE_CURRENT_LIST_DIR}/tablefixtures.h
                ${lobby}/TableModel.h ${lobby}/TableModel.cpp ${lobby}/CustomItem.h ${lobby}/CustomItem.cpp
                ${lobby}/ColumnTypes.h ${lobby}/ColumnTypes.cpp ${lobby}/LocalizationDb.h ${lobby}/LocalizationDb.cpp
                ${PROJECT_SOURCE_DIR}/src/ui/PlainToolTip.h ${PROJECT_SOURCE_DIR}/src/ui/PlainToolTip.cpp
                ${PROJECT_SOURCE_DIR}/src/app/startup/TranslationsManager.h
                ${PROJECT_SOURCE_DIR}/src/app/startup/TranslationsManager.cpp
        LIBS mahjong_connection)
    target_include_directories(tst_tablemodel_sanitized PRIVATE ${PROJECT_SOURCE_DIR}/src)
endif()
