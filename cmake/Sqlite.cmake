# sqlite3_lib: SQLite for the note book.
# Windows builds compile the pinned amalgamation into the program, so it stays one file
# with no runtime library beside it; tools/sqlite-amalgamation.sh fetches and checks it
# (it does nothing when the cache already holds the right files). Native builds use the
# system's library (libsqlite3-dev).

if(NOT WIN32)
  find_package(SQLite3 REQUIRED)
  add_library(sqlite3_lib INTERFACE)
  target_link_libraries(sqlite3_lib INTERFACE SQLite::SQLite3)
  return()
endif()

set(QH_SQLITE_DIR "${PROJECT_SOURCE_DIR}/build/deps/sqlite-amalgamation"
    CACHE PATH "Folder holding SQLite's amalgamation (sqlite3.c, sqlite3.h)")
execute_process(COMMAND bash "${PROJECT_SOURCE_DIR}/tools/sqlite-amalgamation.sh" "${QH_SQLITE_DIR}"
                RESULT_VARIABLE sqlite_fetch)
if(NOT sqlite_fetch EQUAL 0)
  message(FATAL_ERROR "SQLite's amalgamation is missing or does not match its pinned sums "
                      "(tools/sqlite-amalgamation.sh failed; see above)")
endif()

add_library(sqlite3_lib STATIC "${QH_SQLITE_DIR}/sqlite3.c")
target_include_directories(sqlite3_lib SYSTEM PUBLIC "${QH_SQLITE_DIR}")
# Not our code: no GBK execution charset, none of our warnings.
get_target_property(sqlite_options sqlite3_lib COMPILE_OPTIONS)
list(FILTER sqlite_options EXCLUDE REGEX "^-f(input|exec)-charset=|^-W")
set_target_properties(sqlite3_lib PROPERTIES COMPILE_OPTIONS "${sqlite_options};-w")
target_compile_definitions(sqlite3_lib PRIVATE
  SQLITE_THREADSAFE=2             # a connection is used by one thread at a time
  SQLITE_OMIT_LOAD_EXTENSION
  SQLITE_OMIT_DEPRECATED
  SQLITE_OMIT_SHARED_CACHE
  SQLITE_OMIT_PROGRESS_CALLBACK
  SQLITE_DQS=0                    # "..." is always a name, never a string
  SQLITE_DEFAULT_MEMSTATUS=0
  SQLITE_LIKE_DOESNT_MATCH_BLOBS
  SQLITE_USE_URI=0)
