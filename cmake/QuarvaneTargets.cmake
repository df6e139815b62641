# Shared settings for every target of this project.

set(QV_EXPORT_SET QuarvanePresentationConfigurationTargets)

function(qv_apply_build_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(QV_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(QV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every target gets libFuzzer's coverage instrumentation; only the fuzzer links its main.
if(QV_BUILD_FUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# A stand-in or library target: headers are included by their path from the repository
# root, so the root is the include directory in the build tree and the install prefix's
# include directory once installed.
function(qv_add_library target type)
  cmake_parse_arguments(ARG "" "" "SOURCES;HEADERS;PUBLIC_LINKS;PRIVATE_LINKS" ${ARGN})
  add_library(${target} ${type} ${ARG_SOURCES} ${ARG_HEADERS})
  add_library(Quarvane::${target} ALIAS ${target})
  set(scope PUBLIC)
  if(type STREQUAL "INTERFACE")
    set(scope INTERFACE)
  else()
    qv_apply_build_settings(${target})
    set_target_properties(${target} PROPERTIES
      OUTPUT_NAME "Quarvane${target}"
      VERSION ${PROJECT_VERSION}
      SOVERSION ${PROJECT_VERSION_MAJOR}
      # Installed libraries find each other in the folder they share.
      INSTALL_RPATH "$ORIGIN")
  endif()
  target_include_directories(${target} ${scope}
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_features(${target} ${scope} cxx_std_17)
  if(ARG_PUBLIC_LINKS)
    target_link_libraries(${target} ${scope} ${ARG_PUBLIC_LINKS})
  endif()
  if(ARG_PRIVATE_LINKS)
    target_link_libraries(${target} PRIVATE ${ARG_PRIVATE_LINKS})
  endif()
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${target})
  install(TARGETS ${target} EXPORT ${QV_EXPORT_SET}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  file(RELATIVE_PATH relative_dir "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  install(FILES ${ARG_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${relative_dir})
endfunction()
