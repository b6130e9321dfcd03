# The shipped program is built without exceptions and ends at any throw (terminate_handler.cpp):
# the compiler's own libraries still bring their unwind tables (.eh_frame), and the default
# linker script keeps every one of them, and with them every library function they describe,
# used or not (about 45 KB). This build links with the same script, less that KEEP, so that
# --gc-sections drops both. A throw then ends the program as before: no frame of the program
# itself ever had an unwind table, so no exception could pass through it.
execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE kt_ld_verbose
                RESULT_VARIABLE kt_ld_result)
string(REGEX MATCH "\n=+\n(.*)\n=+\n" kt_ld_block "${kt_ld_verbose}")
set(kt_ld_script "${CMAKE_MATCH_1}")
set(kt_kept_unwind "KEEP(*(.eh_frame*))")
string(FIND "${kt_ld_script}" "${kt_kept_unwind}" kt_kept_at)
if(kt_ld_result EQUAL 0 AND NOT kt_kept_at EQUAL -1)
  string(REPLACE "${kt_kept_unwind}" "*(.eh_frame*)" kt_ld_script "${kt_ld_script}")
  file(WRITE ${CMAKE_BINARY_DIR}/no-unwind-tables.x "${kt_ld_script}\n")
  add_link_options(-Wl,-T,${CMAKE_BINARY_DIR}/no-unwind-tables.x)
else()
  message(WARNING "the linker's script keeps no unwind tables as expected: linked as it is")
endif()
