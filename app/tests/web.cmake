# The page in Debian's Chromium, driven through playwright-core (installed by
# scripts/test.sh into app/web/tests/node_modules): from file:// and from a
# static server on 127.0.0.1, held against the windows' descriptions.
add_executable(layout_dump layout_dump.cpp)
target_link_libraries(layout_dump PRIVATE windows)
target_link_options(layout_dump PRIVATE -sSINGLE_FILE=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1)
trimvale_set_warnings(layout_dump)

add_test(NAME web_page_test
    COMMAND node "${PROJECT_SOURCE_DIR}/app/web/tests/page_test.mjs" "${PROJECT_BINARY_DIR}/trimvale.html"
            "$<TARGET_FILE:layout_dump>")
set_tests_properties(web_page_test PROPERTIES TIMEOUT 300)
