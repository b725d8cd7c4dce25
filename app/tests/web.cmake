# The page in Debian's Chromium, Firefox ESR and WebKitGTK, driven through
# puppeteer-core and selenium-webdriver (installed by scripts/test.sh into
# app/web/tests/node_modules).
add_executable(layout_dump layout_dump.cpp)
target_link_libraries(layout_dump PRIVATE windows)
target_link_options(layout_dump PRIVATE -sSINGLE_FILE=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1)
trimvale_set_warnings(layout_dump)

foreach(engine chromium firefox webkit)
    add_test(NAME web_page_test_${engine}
        COMMAND node "${PROJECT_SOURCE_DIR}/app/web/tests/page_test.mjs"
                "${PROJECT_BINARY_DIR}/trimvale.html" "$<TARGET_FILE:layout_dump>" ${engine})
    set_tests_properties(web_page_test_${engine} PROPERTIES TIMEOUT 600)
endforeach()
