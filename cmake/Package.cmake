# The installable package ZovaMultiLang: the base layer, the platform layer's interfaces (and its
# Win32 implementation in the Windows build), the toolkit with its backends and the localization
# component, as static libraries with their headers and exported targets Zova::<name>, so that
# another project builds against an installed prefix with find_package(ZovaMultiLang CONFIG).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZOVA_PACKAGE ZovaMultiLang)
set(ZOVA_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${ZOVA_PACKAGE})

# zova_public_headers(target [folder]): the headers in the folder of the target's sources (or in
# the sub-folder given) are its public headers, included and installed by their path from the
# project's root ("toolkit/Form.h").
function(zova_public_headers target)
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 1)
    set(folder ${folder}/${ARGV1})
  endif()
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  target_sources(${target} PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES ${headers})
endfunction()

# zova_install_package(target...): installs the targets as Zova::<name without "zova_">, their
# headers, the package configuration with its version file, and the helper that embeds a window
# description in a program (EmbedText.cmake). Every library a target links must be among them.
# The target zova_package builds what the installation takes.
function(zova_install_package)
  add_custom_target(zova_package DEPENDS ${ARGN})
  foreach(target IN LISTS ARGN)
    string(REGEX REPLACE "^zova_" "" name ${target})
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${name})
  endforeach()
  install(TARGETS ${ARGN} EXPORT ${ZOVA_PACKAGE}Targets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(EXPORT ${ZOVA_PACKAGE}Targets NAMESPACE Zova:: DESTINATION ${ZOVA_PACKAGE_DIR})

  set(generated ${PROJECT_BINARY_DIR}/package)
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/${ZOVA_PACKAGE}Config.cmake.in
    ${generated}/${ZOVA_PACKAGE}Config.cmake INSTALL_DESTINATION ${ZOVA_PACKAGE_DIR})
  write_basic_package_version_file(${generated}/${ZOVA_PACKAGE}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${generated}/${ZOVA_PACKAGE}Config.cmake
                ${generated}/${ZOVA_PACKAGE}ConfigVersion.cmake
                ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
                ${PROJECT_SOURCE_DIR}/cmake/EmbedTextRun.cmake
          DESTINATION ${ZOVA_PACKAGE_DIR})
endfunction()
