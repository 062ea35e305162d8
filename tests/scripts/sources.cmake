xp_script_tests(wine_env_test.sh)
