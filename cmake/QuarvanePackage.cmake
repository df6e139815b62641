# Installs the exported package QuarvanePresentationConfiguration, giving consumers
# Quarvane::PresentationConfiguration and the stand-in targets it links.
include(CMakePackageConfigHelpers)

set(QV_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/QuarvanePresentationConfiguration)

install(EXPORT ${QV_EXPORT_SET}
  NAMESPACE Quarvane::
  DESTINATION ${QV_PACKAGE_DIR})

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/QuarvanePresentationConfigurationConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QuarvanePresentationConfigurationConfig.cmake
  INSTALL_DESTINATION ${QV_PACKAGE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/QuarvanePresentationConfigurationConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/QuarvanePresentationConfigurationConfig.cmake
  ${PROJECT_BINARY_DIR}/QuarvanePresentationConfigurationConfigVersion.cmake
  DESTINATION ${QV_PACKAGE_DIR})
