import java.io.IOException;
import java.time.LocalDate;

/** A date and time: an i32 yyyymmdd, then an i32 of milliseconds since midnight (-1 for no time). */
public class DateTimeField extends Field
{
    protected LocalDate date;  // null for no date
    protected int millis = -1;

    public DateTimeField(String name, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
    }

    public LocalDate getDate()
    {
        return date;
    }

    public int getMillis()
    {
        return millis;
    }

    public int kind()
    {
        return KIND_DATETIME;
    }

    public void readValue(LEDataInputStream instrm) throws IOException
    {
        LocalDate d = DateField.toDate(instrm.readInt(), name);
        int ms = instrm.readInt();
        if (ms < -1 || ms >= 86400000)
            throw new IOException("field " + name + " holds an invalid time " + ms);
        date = d;
        millis = ms;
    }

    /** "YYYY-MM-DDTHH:MM:SS" (midnight for no time), "" for no date. */
    public String toJson()
    {
        if (date == null)
            return jsonString("");
        int seconds = Math.max(millis, 0) / 1000;
        return jsonString(String.format("%sT%02d:%02d:%02d", DateField.dateText(date), seconds / 3600,
                                        seconds / 60 % 60, seconds % 60));
    }
}
