# Turns a Doxygen source listing (HTML) back into the source file it shows: the text of every
# "line" element, tags removed and entities decoded. windows-check.sh compares the headers it gives
# with the installed ones byte for byte before trusting it.
while (<>) {
    next unless /<div class="line">(.*)<\/div>\s*$/;
    my $code = $1;
    $code =~ s/<span class="lineno">.*?<\/span>//;
    $code =~ s/<[^>]*>//g;
    $code =~ s/&lt;/</g;
    $code =~ s/&gt;/>/g;
    $code =~ s/&quot;/"/g;
    $code =~ s/&#39;/'/g;
    $code =~ s/&#160;/ /g;
    $code =~ s/&amp;/&/g;
    $code = "" if $code eq " "; # an empty line is shown as one space
    print "$code\n";
}
