# The Qt translation tools. Debian ships them without CMake packages
# (qt6-l10n-tools), so they are looked for beside Qt's own tools.
set(_ijar_qt_bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
find_program(IJAR_LRELEASE NAMES lrelease lrelease-qt6 HINTS "${_ijar_qt_bin}" NO_DEFAULT_PATH)
find_program(IJAR_LRELEASE NAMES lrelease lrelease-qt6)
find_program(IJAR_LUPDATE NAMES lupdate lupdate-qt6 HINTS "${_ijar_qt_bin}" NO_DEFAULT_PATH)
find_program(IJAR_LUPDATE NAMES lupdate lupdate-qt6)
if(NOT IJAR_LRELEASE)
  message(FATAL_ERROR "lrelease is missing: install qt6-l10n-tools (./ijar.sh does)")
endif()

# Compiles every catalogue of translations/ and embeds the results under
# :/i18n in `target`, so that every program and test linking it can switch
# language. A catalogue not made yet embeds nothing, and the build notices
# when it appears.
function(ijar_embed_translations target)
  file(GLOB catalogues CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/*.ts)
  set(compiled)
  foreach(ts ${catalogues})
    get_filename_component(stem "${ts}" NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/${stem}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${IJAR_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Compiling the catalogue ${stem}"
      VERBATIM)
    list(APPEND compiled ${qm})
  endforeach()
  if(compiled)
    # One target makes the catalogues and every target of the resource waits
    # for it: two rules writing the same .qm side by side in a parallel build
    # can embed a half-written catalogue.
    add_custom_target(${target}_qm DEPENDS ${compiled})
    qt_add_resources(${target} ijar_catalogues
      PREFIX /i18n
      BASE ${CMAKE_CURRENT_BINARY_DIR}
      FILES ${compiled}
      OUTPUT_TARGETS resource_targets)
    if(TARGET ${target}_ijar_catalogues)
      add_dependencies(${target}_ijar_catalogues ${target}_qm)
    endif()
    foreach(resource ${resource_targets})
      add_dependencies(${resource} ${target}_qm)
      if(TARGET ${target}_ijar_catalogues)
        add_dependencies(${resource} ${target}_ijar_catalogues)
      endif()
    endforeach()
    add_dependencies(${target} ${target}_qm)
  endif()
endfunction()
