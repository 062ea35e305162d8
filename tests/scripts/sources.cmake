xp_script_tests(wine_env_test.sh make_game_test.sh)
