# Empties and recreates the home folders of the tests (see
# quotara_test_environment), one line per test in HOMES_FILE.
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${HOMES_FILE} homes)
foreach(home IN LISTS homes)
  file(REMOVE_RECURSE ${home})
  foreach(folder home config data cache state runtime tmp)
    file(MAKE_DIRECTORY ${home}/${folder})
  endforeach()
  # Qt warns about a runtime folder that others may read.
  file(CHMOD ${home}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
