# cmake -DBUILD_DIR=... -DTARGET=... -DSOURCE=... -P expect_build_failure.cmake
# Passes when building TARGET fails with an error inside SOURCE (or in a
# compile-time evaluation that SOURCE starts).
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET} RESULT_VARIABLE result
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} built, but must not")
endif()
if(NOT output MATCHES "${SOURCE}:[0-9]+:[0-9]+: +(error|in .+constexpr.+ expansion)")
  message(FATAL_ERROR "${TARGET} failed, but not inside ${SOURCE}:\n${output}")
endif()
