# Translations of the client: resources/translations/mahjong_<lang>.ts, compiled
# at build time into ":/i18n/<lang>/mahjong_<lang>.qm" (the "translations" search
# path looks for one folder per language). The English file only carries plural
# forms. "ninja update_translations" refreshes the .ts files from the sources.

set(mahjong_languages en ja zh_CN zh_TW)
set(mahjong_ts_files "")
foreach(lang ${mahjong_languages})
    set(ts ${CMAKE_CURRENT_LIST_DIR}/translations/mahjong_${lang}.ts)
    set_source_files_properties(${ts} PROPERTIES
        OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/i18n/${lang})
    list(APPEND mahjong_ts_files ${ts})
endforeach()

qt_add_lrelease(mahjong_ui TS_FILES ${mahjong_ts_files} QM_FILES_OUTPUT_VARIABLE mahjong_qm_files)
foreach(qm ${mahjong_qm_files})
    get_filename_component(qm_dir ${qm} DIRECTORY)
    get_filename_component(lang ${qm_dir} NAME)
    get_filename_component(qm_name ${qm} NAME)
    set_source_files_properties(${qm} PROPERTIES QT_RESOURCE_ALIAS ${lang}/${qm_name})
endforeach()
qt_add_resources(mahjong_ui mahjong_translations PREFIX /i18n FILES ${mahjong_qm_files})

# lupdate over every source folder (the targets' own source lists miss the core layer);
# the English file keeps only the plural forms.
set(mahjong_translated_ts ${mahjong_ts_files})
list(FILTER mahjong_translated_ts EXCLUDE REGEX "_en\\.ts$")
add_custom_target(update_translations
    COMMAND Qt6::lupdate -silent -locations none -no-obsolete
            -I ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src -ts ${mahjong_translated_ts}
    COMMAND Qt6::lupdate -silent -locations none -no-obsolete -pluralonly
            -I ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src
            -ts ${CMAKE_CURRENT_LIST_DIR}/translations/mahjong_en.ts
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating the .ts files from the sources"
    VERBATIM)
