# Authenticode-signs an executable in place with osslsigncode (run with
# cmake -P). Signs into a new file first, so a failed signing leaves no
# half-written executable.
#   -DEXE=... -DCERT=... -DKEY=... [-DPASS_FILE=...] -DSIGNER=osslsigncode
set(signed "${EXE}.signed")
set(pass_args)
if(PASS_FILE)
  set(pass_args -readpass "${PASS_FILE}")
endif()
file(REMOVE "${signed}")
execute_process(
  COMMAND "${SIGNER}" sign -certs "${CERT}" -key "${KEY}" ${pass_args}
          -h sha256 -n "RemoteApp launcher" -in "${EXE}" -out "${signed}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  file(REMOVE "${signed}" "${EXE}")
  message(FATAL_ERROR "signing ${EXE} failed:\n${output}")
endif()
file(RENAME "${signed}" "${EXE}")
